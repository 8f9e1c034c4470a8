#include "desktop/StartupEntry.h"

namespace qpa {

std::wstring StartupEntry::entryName() const {
    const std::wstring path = registry_.programPath();
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

StartupEntry::Result StartupEntry::AddToStartup() {
    const std::wstring name = entryName();
    if (name.empty()) return Result::ListsRefused;
    // Quoted: a path with blanks would otherwise start another program.
    const std::wstring command = L"\"" + registry_.programPath() + L"\"";
    if (!registry_.canHold(command)) return Result::PathRefused;
    return registry_.setEntry(StartupRegistry::Scope::Machine, name, command) ||
                   registry_.setEntry(StartupRegistry::Scope::User, name, command)
               ? Result::Added
               : Result::ListsRefused;
}

void StartupEntry::RemoveFromStartup() {
    const std::wstring name = entryName();
    if (name.empty()) return;
    registry_.removeEntry(StartupRegistry::Scope::Machine, name);
    registry_.removeEntry(StartupRegistry::Scope::User, name);
}

}  // namespace qpa
