#pragma once
#include <QWidget>

#include "platform/Ports.h"

namespace qpa::qt {

// Qt message boxes owned by the main window; "\r\n" and "\r" show as line breaks.
class MessageBoxes final : public Dialogs {
  public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void showMessage(const std::wstring& prompt, int style, const std::wstring& title) override;

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

// Starts programs without a shell; `explorer "address"` opens the address with xdg-open.
class DetachedProcesses final : public ProcessLauncher {
  public:
    void start(const std::wstring& commandLine, int showCommand) override;
};

class QtLocale final : public RegionalSettings {
  public:
    wchar_t decimalSeparator() const override;
};

// Splits a command line into its program and arguments ("double quotes" group words).
std::vector<std::wstring> splitCommandLine(const std::wstring& commandLine);

}  // namespace qpa::qt
