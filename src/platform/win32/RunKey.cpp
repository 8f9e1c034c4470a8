#include "platform/win32/RunKey.h"

#include <windows.h>

#include "platform/win32/Handles.h"
#include "platform/win32/SystemServices.h"

namespace qpa::win32 {

namespace {
constexpr wchar_t kRunKeyPath[] = L"SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\";
constexpr REGSAM kRunKeyAccess = 63;  // query, set, create sub-key, enumerate, notify, link

UniqueKey openRunKey(StartupRegistry::Scope scope) {
    HKEY raw = nullptr;
    if (scope == StartupRegistry::Scope::Machine) {
        ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, kRunKeyAccess, &raw);
    } else {
        // The user's Run key need not exist yet.
        ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, nullptr, 0, kRunKeyAccess, nullptr,
                          &raw, nullptr);
    }
    return UniqueKey(raw);
}
}  // namespace

std::wstring RunKey::programPath() const {
    return modulePath();
}

bool RunKey::setEntry(Scope scope, const std::wstring& name, const std::wstring& command) {
    const UniqueKey key = openRunKey(scope);
    if (!key) return false;
    return ::RegSetValueExW(
               key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
               static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void RunKey::removeEntry(Scope scope, const std::wstring& name) {
    HKEY raw = nullptr;
    const HKEY hive = scope == Scope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    ::RegOpenKeyExW(hive, kRunKeyPath, 0, kRunKeyAccess, &raw);
    const UniqueKey key(raw);
    if (key) ::RegDeleteValueW(key.get(), name.c_str());
}

}  // namespace qpa::win32
