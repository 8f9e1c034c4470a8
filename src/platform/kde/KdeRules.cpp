#include "platform/kde/KdeRules.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "KwinNames.h"
#include "core/Texts.h"
#include "platform/qt/DesktopEntryText.h"

namespace qpa::kde {

namespace {
// WORKAROUND: KWin splits Exec with QProcess::splitCommand, not as the desktop entry format says
// (kwin src/utils/serviceutils.h, 5.27 and 6): inside double quotes a quote is written three
// times and a backslash, '$', '`' or '%' is itself. A path escaped for launchers ("\\$", "%%")
// never matched (measured, KWin 6.3); quoted this way every path matched, blanks, quotes, control
// characters and all.
std::wstring splitCommandQuoted(std::wstring_view path) {
    std::wstring quoted = L"\"";
    for (const wchar_t c : path) {
        quoted += c;
        if (c == L'"') quoted += L"\"\"";
    }
    return quoted + L'"';
}

std::wstring ascii(std::string_view text) {
    return {text.begin(), text.end()};
}
}  // namespace

std::vector<std::string> frontToBack(std::string_view bottomToTop) {
    std::vector<std::string> ids;
    while (!bottomToTop.empty()) {
        const auto end = bottomToTop.find(';');
        const auto id = bottomToTop.substr(0, end);
        if (!id.empty()) ids.emplace_back(id);
        if (end == std::string_view::npos) break;
        bottomToTop.remove_prefix(end + 1);
    }
    std::reverse(ids.begin(), ids.end());
    return ids;
}

std::optional<aim::Point> pointShowing(std::string_view frontToBack, std::string_view targetId) {
    std::vector<Rect> inFront;
    std::istringstream lines{std::string(frontToBack)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string id;
        Rect frame, content;
        if (!(fields >> id >> frame.x >> frame.y >> frame.width >> frame.height >> content.x >>
              content.y >> content.width >> content.height)) {
            continue;
        }
        if (id == targetId) return aim::uncoveredPoint(content, inFront);
        inFront.push_back(frame);
    }
    return std::nullopt;
}

double axisValue(std::int32_t delta) {
    // Qt reads 12 units of angle from each unit of the axis (its 120 for libinput's 10 a notch).
    return -static_cast<double>(delta) / 12.0;
}

std::optional<std::wstring> permissionEntry(std::wstring_view programPath) {
    if (programPath.empty() || programPath.front() != L'/') return std::nullopt;  // KWin: no match
    std::wstring entry = L"[Desktop Entry]\nType=Application\nName=";
    entry += qt::desktopEntryString(texts::kProductName);
    entry += L"\nComment=Lets KWin show this copy of the program the windows it scrolls\nExec=";
    entry += qt::desktopEntryString(splitCommandQuoted(programPath));
    entry += L"\nNoDisplay=true\nX-KDE-Wayland-Interfaces=";
    entry += ascii(kKwinInterfaces);
    return entry + L'\n';
}

std::wstring kwinHidesWindowsMessage(const std::optional<std::wstring>& entry) {
    std::wstring message = texts::kKwinHidesWindows;
    if (!entry) return message + texts::kKwinNoEntryNamesThisCopy;
    message += texts::kKwinEntryNamesThisCopy;
    for (const wchar_t c : *entry) {
        if (c == L'\n') message += L'\r';  // the messages' own line ends
        message += c;
    }
    return message;
}

std::string permissionFileName(std::wstring_view programPath) {
    // FNV-1a over the path's characters: a short name that differs for each program file.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const wchar_t c : programPath) {
        hash ^= static_cast<std::uint32_t>(c);
        hash *= 1099511628211ULL;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string("com.tervalinx.QuietPageAdvancer.kwin-") + hex + ".desktop";
}

}  // namespace qpa::kde
