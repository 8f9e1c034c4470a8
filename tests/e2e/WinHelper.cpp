// What the end-to-end tests can only do from inside Windows (here: Wine), one command a call:
//   put KEY=VALUE...   get KEY                       the program's stored settings
//   deny HIVE\PATH | allow HIVE\PATH                 a registry key that refuses writes, and back
//   text ID            the text of the main window's control ID
//   answers            whether the main window handles a message within a second
//   firstline TITLE    the first visible line of the text control in the window titled TITLE
//   shell-restarted    broadcasts "TaskbarCreated", as a restarting shell does
//   names              the main window's controls as a screen reader names them, against the design
//   captions           each caption's width against its control's, in pixels
#include <windows.h>
// sddl.h needs windows.h first
#include <commctrl.h>
#include <sddl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/Layout.h"

namespace {

constexpr wchar_t kSettingsKey[] =
    L"Software\\VB and VBA Program Settings\\Tervalinx\\Velloranth Quiet Page Advancer For Your "
    L"Desktop";

HWND mainWindow() {
    return ::FindWindowW(L"QuietPageAdvancerMain", nullptr);
}

std::wstring textOf(HWND hwnd) {
    wchar_t buffer[4096] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 5000, &copied);
    return std::wstring(buffer, copied);
}

// Printed as UTF-8.
void print(const std::wstring& text) {
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
    std::printf("%s\n", bytes.c_str());
}

bool setSecurity(const std::wstring& path, const wchar_t* sddl) {
    const bool machine = path.rfind(L"HKLM\\", 0) == 0;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, path.c_str() + 5, 0,
                        WRITE_DAC | READ_CONTROL, &key) != ERROR_SUCCESS)
        return false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    bool done = false;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                               nullptr)) {
        done = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        ::LocalFree(descriptor);
    }
    ::RegCloseKey(key);
    return done;
}

// Notepad's text is an edit control, wordpad's a rich edit, each a child of the frame.
HWND findTextControl(HWND window) {
    for (const wchar_t* name : {L"Edit", L"RICHEDIT50W", L"RichEdit20W"}) {
        if (HWND text = ::FindWindowExW(window, nullptr, name, nullptr)) return text;
    }
    return nullptr;
}

// The main window's shown controls, front to back in z-order (the tab order of a dialog).
std::vector<HWND> shownControls() {
    std::vector<HWND> shown;
    for (HWND w = ::GetWindow(mainWindow(), GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
        if (::IsWindowVisible(w)) shown.push_back(w);
    return shown;
}

// The role Microsoft Active Accessibility gives a standard control, by its class and style.
std::wstring roleOf(HWND w) {
    wchar_t name[64] = {};
    ::GetClassNameW(w, name, 64);
    const LONG type = ::GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK;
    if (::lstrcmpiW(name, L"Edit") == 0) return L"editable text";
    if (::lstrcmpiW(name, WC_LISTVIEWW) == 0) return L"list";
    if (::lstrcmpiW(name, PROGRESS_CLASSW) == 0) return L"progress bar";
    if (::lstrcmpiW(name, L"Static") == 0) return L"static text";
    if (type == BS_GROUPBOX) return L"grouping";
    if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON) return L"radio button";
    return type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ? L"check box" : L"push button";
}

// A screen reader's name for a control (Microsoft Active Accessibility's rule): its own text, or
// for an edit box, a list or a progress bar the text of the static control before it in z-order;
// the search stops at a control that both begins a group and takes the focus.
std::wstring nameOf(HWND w) {
    const std::wstring role = roleOf(w);
    if (role != L"editable text" && role != L"list" && role != L"progress bar") return textOf(w);
    for (HWND before = ::GetWindow(w, GW_HWNDPREV); before;
         before = ::GetWindow(before, GW_HWNDPREV)) {
        if (roleOf(before) == L"static text") return textOf(before);
        const LONG style = ::GetWindowLongW(before, GWL_STYLE);
        if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) break;
    }
    return L"";
}

// An option's group as a screen reader finds it: the group box right before its group's options.
std::wstring groupOf(HWND w) {
    HWND before = ::GetWindow(w, GW_HWNDPREV);
    while (before && roleOf(before) == L"radio button") before = ::GetWindow(before, GW_HWNDPREV);
    return before && roleOf(before) == L"grouping" ? textOf(before) : L"(none)";
}

std::wstring controlName(HWND w) {
    const std::string name = qpa::controlName(static_cast<qpa::Control>(::GetDlgCtrlID(w) - 1000));
    return std::wstring(name.begin(), name.end());
}

// Each shown control, "CONTROL<TAB>ROLE<TAB>NAME<TAB>GROUP", and "CONTROL: ..." where its name or
// an option's group is not the design's.
int checkNames() {
    int faults = 0;
    for (HWND w : shownControls()) {
        const qpa::ControlPlacement& p =
            qpa::placementOf(static_cast<qpa::Control>(::GetDlgCtrlID(w) - 1000));
        const bool option = roleOf(w) == L"radio button";
        const std::wstring name = nameOf(w), group = option ? groupOf(w) : L"";
        const std::wstring frame =
            option ? qpa::placementOf(qpa::containerOf(p.control)).caption : L"";
        print(controlName(w) + L"\t" + roleOf(w) + L"\t" + name + L"\t" + group);
        if (name != qpa::spokenName(p) || group != frame) {
            print(controlName(w) + L": not named '" + qpa::spokenName(p) + L"'" +
                  (option ? L" in '" + frame + L"'" : L""));
            ++faults;
        }
    }
    return faults == 0 ? 0 : 1;
}

// Each shown caption's width against its control's, "CONTROL NEEDED WIDTH" in pixels, and
// "CONTROL: ..." where it is wider: the text in the design's font at the dots per inch the window
// is laid out at (told by the switch's width, which no caption changes), with what a control draws
// beside it (an option's or a box's mark at the screen's dots per inch and a gap, a button's or a
// frame's edges).
int checkCaptions() {
    RECT button{};
    ::GetClientRect(::GetDlgItem(mainWindow(), 1000 + static_cast<int>(qpa::Control::PushButton2)),
                    &button);
    int layoutDpi = 1;
    while (qpa::twipsToPixels(qpa::placementOf(qpa::Control::PushButton2).width, layoutDpi) <
           button.right)
        ++layoutDpi;
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    int faults = 0;
    for (HWND w : shownControls()) {
        const std::wstring text = textOf(w), role = roleOf(w);
        if (role == L"editable text" || role == L"list" || role == L"progress bar") continue;
        const qpa::FontDesign& design =
            role == L"push button" ? qpa::kButtonFont : qpa::kWindowFont;
        LOGFONTW font{};
        font.lfHeight = -::MulDiv(design.hundredthsOfPoint, layoutDpi, 7200);
        font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
        ::lstrcpynW(font.lfFaceName, design.face, LF_FACESIZE);
        HFONT handle = ::CreateFontIndirectW(&font);
        HGDIOBJ old = ::SelectObject(screen, handle);
        SIZE extent{}, zero{};
        ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
        ::GetTextExtentPoint32W(screen, L"0", 1, &zero);
        ::DeleteObject(::SelectObject(screen, old));
        const bool marked = role == L"radio button" || role == L"check box";
        const long needed = extent.cx + (marked                   ? 12 * dpi / 96 + 1 + zero.cx / 2
                                         : role == L"static text" ? 0
                                                                  : 2 * zero.cx);
        RECT box{};
        ::GetClientRect(w, &box);
        print(controlName(w) + L" " + std::to_wstring(needed) + L" " + std::to_wstring(box.right));
        if (needed > box.right) {
            print(controlName(w) + L": narrower than its caption");
            ++faults;
        }
    }
    ::ReleaseDC(nullptr, screen);
    return faults == 0 ? 0 : 1;
}

int run(const std::vector<std::wstring>& args) {
    const std::wstring command = args.empty() ? L"" : args[0];
    const std::wstring arg = args.size() > 1 ? args[1] : L"";
    if (command == L"put") {
        for (std::size_t i = 1; i < args.size(); ++i) {
            const auto equals = args[i].find(L'=');
            const std::wstring key = args[i].substr(0, equals), value = args[i].substr(equals + 1);
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, key.c_str(), REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        }
        return 0;
    }
    if (command == L"get") {
        wchar_t buffer[4096] = {};
        DWORD bytes = sizeof(buffer);
        if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, arg.c_str(), RRF_RT_REG_SZ, nullptr,
                           buffer, &bytes) != ERROR_SUCCESS)
            return 1;
        print(buffer);
        return 0;
    }
    if (command == L"deny") return setSecurity(arg, L"D:P(D;CI;0x6;;;WD)(A;CI;KA;;;WD)") ? 0 : 1;
    if (command == L"allow") return setSecurity(arg, L"D:P(A;CI;KA;;;WD)") ? 0 : 1;
    if (command == L"text") {
        print(textOf(::GetDlgItem(mainWindow(), std::stoi(arg))));
        return 0;
    }
    if (command == L"answers") {  // the main window handles a message within a second
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutW(mainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result)
                   ? 0
                   : 1;
    }
    if (command == L"firstline") {
        HWND text = findTextControl(::FindWindowW(nullptr, arg.c_str()));
        if (!text) return 1;
        std::printf("%d\n", static_cast<int>(::SendMessageW(text, EM_GETFIRSTVISIBLELINE, 0, 0)));
        return 0;
    }
    if (command == L"names") return checkNames();
    if (command == L"captions") return checkCaptions();
    if (command == L"shell-restarted") {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                              SMTO_ABORTIFHUNG, 2000, &result);
        return 0;
    }
    std::fprintf(stderr, "unknown command\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    return run(std::vector<std::wstring>(argv + 1, argv + argc));
}
