#include "platform/qt/DesktopEntryText.h"

#include <algorithm>

namespace qpa::qt {

namespace {
bool isControl(wchar_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

// The path as one quoted argument: inside the double quotes a backslash goes before ", `, $ and
// \ itself; a % is doubled, since launchers read %f, %u and the like as the files to open.
std::wstring quotedArgument(std::wstring_view path) {
    std::wstring quoted = L"\"";
    for (const wchar_t c : path) {
        if (c == L'"' || c == L'`' || c == L'$' || c == L'\\') quoted += L'\\';
        if (c == L'%') quoted += L'%';
        quoted += c;
    }
    return quoted + L"\"";
}
}  // namespace

std::wstring desktopEntryString(std::wstring_view text) {
    std::wstring escaped;
    for (const wchar_t c : text) {
        switch (c) {
            case L'\\':
                escaped += L"\\\\";
                break;
            case L'\n':
                escaped += L"\\n";
                break;
            case L'\t':
                escaped += L"\\t";
                break;
            case L'\r':
                escaped += L"\\r";
                break;
            case L' ':
                escaped += escaped.empty() ? L"\\s" : L" ";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::optional<std::wstring> desktopEntryExec(std::wstring_view path) {
    if (path.empty() || std::ranges::any_of(path, isControl)) return std::nullopt;
    // GLib looks for the program named first before it turns %% back into %, and so refuses an
    // entry whose program path holds one: such a path is handed to env, found wherever GLib looks.
    const bool holdsPercent = path.find(L'%') != std::wstring_view::npos;
    return desktopEntryString((holdsPercent ? L"/usr/bin/env " : L"") + quotedArgument(path));
}

}  // namespace qpa::qt
