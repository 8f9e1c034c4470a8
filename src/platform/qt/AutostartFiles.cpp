#include "platform/qt/AutostartFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/Texts.h"
#include "platform/qt/DesktopEntryText.h"
#include "platform/qt/Utf8.h"

namespace qpa::qt {

namespace {
std::string folder(StartupRegistry::Scope scope) {
    const auto fromEnv = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value && *value ? value : "";
    };
    if (scope == StartupRegistry::Scope::Machine) {
        std::string dirs = fromEnv("XDG_CONFIG_DIRS");
        if (dirs.empty()) dirs = "/etc/xdg";
        return dirs.substr(0, dirs.find(':')) + "/autostart";
    }
    std::string home = fromEnv("XDG_CONFIG_HOME");
    if (home.empty()) home = fromEnv("HOME") + "/.config";
    return home + "/autostart";
}

// The Exec value for the core's command, the program's path in double quotes.
std::optional<std::wstring> execValue(const std::wstring& command) {
    const bool quoted = command.size() >= 2 && command.front() == L'"' && command.back() == L'"';
    return desktopEntryExec(quoted ? std::wstring_view(command).substr(1, command.size() - 2)
                                   : std::wstring_view(command));
}

std::filesystem::path entryFile(StartupRegistry::Scope scope, const std::wstring& name) {
    return std::filesystem::path(folder(scope)) / (qt::toUtf8(name) + ".desktop");
}
}  // namespace

std::wstring AutostartFiles::programPath() const {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::wstring() : qt::fromUtf8(path.string());
}

bool AutostartFiles::canHold(const std::wstring& command) const {
    return execValue(command).has_value();
}

bool AutostartFiles::setEntry(Scope scope, const std::wstring& name, const std::wstring& command) {
    const auto exec = execValue(command);
    if (!exec) return false;
    const auto file = entryFile(scope, name);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (::access(file.parent_path().c_str(), W_OK) != 0) return false;
    const auto temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "[Desktop Entry]\nType=Application\nName="
            << qt::toUtf8(desktopEntryString(texts::kProductName)) << "\nExec=" << qt::toUtf8(*exec)
            << "\nX-GNOME-Autostart-enabled=true\n";
        if (!out.flush()) return false;
    }
    std::filesystem::rename(temporary, file, error);  // whole or not at all
    return !error;
}

void AutostartFiles::removeEntry(Scope scope, const std::wstring& name) {
    std::error_code error;
    std::filesystem::remove(entryFile(scope, name), error);
}

}  // namespace qpa::qt
