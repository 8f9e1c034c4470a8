#include "platform/win32/SystemServices.h"

#include <vector>

#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "platform/win32/Handles.h"

namespace qpa::win32 {

namespace {
std::wstring settingsKeyPath(const std::wstring& application, const std::wstring& section) {
    return L"Software\\VB and VBA Program Settings\\" + application + L"\\" + section;
}
}  // namespace

std::wstring systemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"error " + integerText(code);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

std::wstring modulePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        buffer.resize(buffer.size() * 2);
    }
}

void MessageBoxes::showMessage(const std::wstring& prompt, MessageKind kind,
                               const std::wstring& title) {
    const UINT icon = kind == MessageKind::Warning ? MB_ICONEXCLAMATION : 0;  // style 48, or none
    ::MessageBoxW(owner_, prompt.c_str(), title.c_str(), MB_OK | icon);
}

std::optional<std::wstring> RegistrySettings::read(const std::wstring& application,
                                                   const std::wstring& section,
                                                   const std::wstring& key) {
    const std::wstring path = settingsKeyPath(application, section);
    // Most values are short: one call reads them; a longer one is asked for its size first.
    std::wstring value(256, L'\0');
    auto bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ,
                                    nullptr, value.data(), &bytes);
    if (status == ERROR_MORE_DATA) {
        value.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        status = ::RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ,
                                nullptr, value.data(), &bytes);
    }
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

void RegistrySettings::write(const std::wstring& application, const std::wstring& section,
                             const std::wstring& key, const std::wstring& value) {
    const std::wstring path = settingsKeyPath(application, section);
    HKEY raw = nullptr;
    LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                       KEY_SET_VALUE, nullptr, &raw, nullptr);
    const UniqueKey opened(raw);
    if (status == ERROR_SUCCESS) {
        status = ::RegSetValueExW(opened.get(), key.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    if (status != ERROR_SUCCESS) {
        throw RuntimeError(L"The setting \"" + key + L"\" could not be saved: " +
                           systemErrorText(static_cast<DWORD>(status)));
    }
}

std::wstring ModuleFiles::programFolder() const {
    std::wstring path = modulePath();
    const auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    path.resize(slash);
    return path;
}

bool ModuleFiles::modifiedTimeReadable(const std::wstring& path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return ::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

std::wstring ModuleFiles::findPlainFile(const std::wstring& path) const {
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileW(path.c_str(), &found));
    if (!search.valid()) return {};
    constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
    return (found.dwFileAttributes & kNotPlain) ? std::wstring() : std::wstring(found.cFileName);
}

void ExplorerBrowser::openAddress(const std::wstring& address) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = L"explorer \"" + address + L"\"";  // CreateProcessW may write
    if (::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process)) {
        const UniqueHandle processHandle(process.hProcess);
        const UniqueHandle threadHandle(process.hThread);
    }
}

wchar_t UserLocale::decimalSeparator() const {
    wchar_t separator[8] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 1) {
        return separator[0];
    }
    return L'.';
}

}  // namespace qpa::win32
