// What the end-to-end tests can only do from inside Windows (here: Wine), one command a call:
//   put KEY=VALUE...   get KEY                       the program's stored settings
//   deny HIVE\PATH | allow HIVE\PATH                 a registry key that refuses writes, and back
//   text ID            the text of the main window's control ID
//   answers            whether the main window handles a message within a second
//   firstline TITLE    the first visible line of the text control in the window titled TITLE
//   shell-restarted    broadcasts "TaskbarCreated", as a restarting shell does
#include <windows.h>
// sddl.h needs windows.h first
#include <sddl.h>

#include <cstdio>
#include <string>
#include <vector>

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
