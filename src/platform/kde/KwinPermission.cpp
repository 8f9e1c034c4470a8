#include "platform/kde/KwinPermission.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <thread>

#include "platform/kde/KdeRules.h"
#include "platform/qt/Utf8.h"

namespace qpa::kde {

namespace {
namespace fs = std::filesystem;

// KWin honoured a new entry within 0.1 s (measured, 6.3); a loaded desktop gets longer.
constexpr auto kPickUpWait = std::chrono::seconds(3);
constexpr auto kRetryPause = std::chrono::milliseconds(100);

bool granted(const KwinConnection& kwin) {
    return kwin.managesWindows() && kwin.fakeInput();
}

fs::path applicationsFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return fs::path(data) / "applications";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".local/share/applications";
}

// Written beside and renamed into place: KWin's service cache watches the folder and could read
// a file half written; an edit in place may even be missed.
bool writeNew(const fs::path& file, const std::string& text) {
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    const fs::path beside = file.parent_path() / ("." + file.filename().string() + "." +
                                                  std::to_string(::getpid()) + ".new");
    {
        std::ofstream out(beside, std::ios::binary | std::ios::trunc);
        if (!(out << text) || !out.flush()) {
            out.close();
            fs::remove(beside, error);
            return false;
        }
    }
    fs::rename(beside, file, error);
    if (!error) return true;
    fs::remove(beside, error);  // reuses `error`: the rename's failure is already known
    return false;
}

// The canonical path of the running program, as KWin compares it with an entry's Exec; nothing
// when it is not UTF-8 text, which no entry's file can hold.
std::optional<std::wstring> canonicalProgramPath() {
    std::error_code error;
    const std::string path = fs::canonical("/proc/self/exe", error).string();
    if (error) return std::nullopt;
    std::wstring text = qt::fromUtf8(path);
    if (qt::toUtf8(text) != path) return std::nullopt;
    return text;
}
}  // namespace

std::wstring hiddenWindowsMessage() {
    const auto program = canonicalProgramPath();
    return kwinHidesWindowsMessage(program ? permissionEntry(*program) : std::nullopt);
}

std::unique_ptr<KwinConnection> connectWithPermission(
    const std::vector<wayland::WantedGlobal>& more) {
    auto kwin = std::make_unique<KwinConnection>(more);
    if (granted(*kwin)) return kwin;
    const auto program = canonicalProgramPath();
    const auto entry = program ? permissionEntry(*program) : std::nullopt;
    if (!entry) return kwin;  // no entry could name this program: it is told so at once
    const fs::path file = applicationsFolder() / permissionFileName(*program);
    std::error_code error;
    if (fs::exists(file, error) || !writeNew(file, qt::toUtf8(*entry))) return kwin;
    // KWin decides what a client may see when it connects: a new connection asks again.
    const auto deadline = std::chrono::steady_clock::now() + kPickUpWait;
    while (std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kRetryPause);
        kwin = std::make_unique<KwinConnection>(more);
        if (granted(*kwin)) break;
    }
    return kwin;
}

}  // namespace qpa::kde
