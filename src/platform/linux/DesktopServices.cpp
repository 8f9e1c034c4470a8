#include "platform/linux/DesktopServices.h"

#include <X11/extensions/scrnsaver.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/Texts.h"
#include "platform/linux/X11Rules.h"

namespace qpa::x11 {

namespace {
std::string narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        const auto code = static_cast<char32_t>(c);
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

std::filesystem::path entryFile(StartupRegistry::Scope scope, const std::wstring& name) {
    return std::filesystem::path(AutostartFiles::folder(scope)) / (narrow(name) + ".desktop");
}
}  // namespace

std::string AutostartFiles::folder(Scope scope) {
    const auto fromEnv = [](const char* name) -> std::string {
        const char* value = std::getenv(name);
        return value && *value ? value : "";
    };
    if (scope == Scope::Machine) {
        std::string dirs = fromEnv("XDG_CONFIG_DIRS");
        if (dirs.empty()) dirs = "/etc/xdg";
        return dirs.substr(0, dirs.find(':')) + "/autostart";
    }
    std::string home = fromEnv("XDG_CONFIG_HOME");
    if (home.empty()) home = fromEnv("HOME") + "/.config";
    return home + "/autostart";
}

std::wstring AutostartFiles::programPath() const {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::wstring() : decodeUtf8(path.string());
}

bool AutostartFiles::setEntry(Scope scope, const std::wstring& name, const std::wstring& command) {
    const auto file = entryFile(scope, name);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (::access(file.parent_path().c_str(), W_OK) != 0) return false;
    const auto temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "[Desktop Entry]\nType=Application\nName=" << narrow(texts::kProductName)
            << "\nExec=" << narrow(command) << "\nX-GNOME-Autostart-enabled=true\n";
        if (!out.flush()) return false;
    }
    std::filesystem::rename(temporary, file, error);  // whole or not at all
    return !error;
}

void AutostartFiles::removeEntry(Scope scope, const std::wstring& name) {
    std::error_code error;
    std::filesystem::remove(entryFile(scope, name), error);
}

void ScreenSaverSuspend::keepAwake(bool awake) {
    if (awake && !display_) {
        display_.reset(XOpenDisplay(nullptr));
        if (display_) {
            XScreenSaverSuspend(display_.get(), True);
            XFlush(display_.get());
        }
    } else if (!awake && display_) {
        XScreenSaverSuspend(display_.get(), False);
        display_.reset();  // the suspension also ends with the connection
    }
}

}  // namespace qpa::x11
