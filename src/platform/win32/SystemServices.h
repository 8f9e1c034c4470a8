#pragma once
#include <windows.h>

#include "ports/System.h"

namespace qpa::win32 {

// Message boxes owned by the main window.
class MessageBoxes final : public Dialogs {
  public:
    void setOwner(HWND owner) { owner_ = owner; }
    void showMessage(const std::wstring& prompt, MessageKind kind,
                     const std::wstring& title) override;

  private:
    HWND owner_ = nullptr;
};

// Settings in HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, one
// REG_SZ value per key, where the earlier program kept them.
class RegistrySettings final : public SettingsBackend {
  public:
    std::optional<std::wstring> read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override;
    void write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override;
};

class ModuleFiles final : public ProgramFiles {
  public:
    std::wstring programFolder() const override;
    wchar_t separator() const override { return L'\\'; }
    bool modifiedTimeReadable(const std::wstring& path) const override;
    std::wstring findPlainFile(const std::wstring& path) const override;
};

// Opens an address the way the earlier program did: "explorer" with the address, minimised with
// the focus.
class ExplorerBrowser final : public Browser {
  public:
    void openAddress(const std::wstring& address) override;
};

class UserLocale final : public RegionalSettings {
  public:
    wchar_t decimalSeparator() const override;
};

// The text of a system error code, for messages.
std::wstring systemErrorText(DWORD code);
// The full path of the running program.
std::wstring modulePath();

}  // namespace qpa::win32
