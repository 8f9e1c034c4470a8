#pragma once
#include "ports/Desktop.h"

namespace qpa::win32 {

// The Run keys: the machine's (HKEY_LOCAL_MACHINE) and the user's (HKEY_CURRENT_USER).
class RunKey final : public StartupRegistry {
  public:
    std::wstring programPath() const override;
    bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) override;
    void removeEntry(Scope scope, const std::wstring& name) override;
};

}  // namespace qpa::win32
