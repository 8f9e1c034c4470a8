#pragma once
#include <QWidget>

#include "ports/System.h"

namespace qpa::qt {

// Qt message boxes owned by the main window; "\r\n" and "\r" show as line breaks.
class MessageBoxes final : public Dialogs {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void showMessage(const std::wstring& prompt, MessageKind kind,
                     const std::wstring& title) override;

  private:
    QWidget* owner_ = nullptr;
};

class ExecutableFiles final : public ProgramFiles {
  public:
    std::wstring programFolder() const override;
    wchar_t separator() const override { return L'/'; }
    bool modifiedTimeReadable(const std::wstring& path) const override;
    std::wstring findPlainFile(const std::wstring& path) const override;
};

// The desktop's browser through xdg-open, started without a shell.
class XdgBrowser final : public Browser {
  public:
    void openAddress(const std::wstring& address) override;
};

class QtLocale final : public RegionalSettings {
  public:
    wchar_t decimalSeparator() const override;
};

}  // namespace qpa::qt
