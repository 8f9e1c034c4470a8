#pragma once
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/Controls.h"

namespace qpa::wine {

inline constexpr wchar_t kSettingsKey[] =
    L"Software\\VB and VBA Program Settings\\Tervalinx\\Velloranth Quiet Page Advancer For Your "
    L"Desktop";
inline constexpr wchar_t kMainTitle[] = L"Velloranth Quiet Page Advancer For Your Desktop";
inline constexpr wchar_t kAppTitle[] = L"Velloranth Quiet Page Advancer For Your";

// Runs a command of the X session that hosts Wine (xdotool, say) and waits until it is done.
bool runOnDisplay(const std::string& shellCommand);
// The keys of an X window, typed with xdotool once that window has the focus.
bool typeIntoXWindow(const std::string& title, const std::string& keys);

// Sets a registry key's access list (SDDL text) for the length of a test.
bool setKeySecurity(HKEY hive, const wchar_t* path, const wchar_t* sddl);

// Polls `ready` until it holds or the time is up.
bool waitFor(const std::function<bool()>& ready,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The stored settings of the program in this Wine prefix.
namespace store {
void clear();
void put(const std::wstring& key, const std::wstring& value);
std::optional<std::wstring> get(const std::wstring& key);
std::vector<std::wstring> keys();  // sorted
}  // namespace store

struct MessageBoxSeen {
    HWND box = nullptr;
    std::wstring title;
    std::wstring text;
};

// Starts QuietPageAdvancer.exe and drives it from outside, as a user's other programs could.
class ProgramDriver {
  public:
    ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;
    ~ProgramDriver();

    // Starts the program; with `waitForWindow`, until its main window is visible.
    void start(bool waitForWindow = true);
    // Closes the main window and waits for the process to end; true when it ended.
    bool close();
    bool running() const;

    HWND window() const { return main_; }
    HWND control(Control c) const;
    std::wstring text(HWND hwnd) const;
    std::wstring text(Control c) const { return text(control(c)); }
    bool checked(Control c) const;
    bool visible(Control c) const;
    // The control's rectangle in the main window's client coordinates.
    RECT clientRect(Control c) const;
    HWND focus() const;
    int dpi() const;

    // The list's item texts, its selection (1-based, 0 for none), and choosing an item.
    std::vector<std::wstring> listItems() const;
    int selectedListIndex() const;
    void selectListItem(int index);

    void click(Control c);
    void type(Control c, const std::wstring& characters);
    void pressTab(Control from);

    // The next message box the program shows, within the timeout.
    std::optional<MessageBoxSeen> waitForMessageBox(
        std::chrono::milliseconds timeout = std::chrono::seconds(10));
    std::vector<HWND> messageBoxes() const;
    void dismiss(const MessageBoxSeen& box);

  private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// The stand-in application of tests/wine/target: windows titled "Target A" (front), "Target B",
// a dialog, a hidden one and an untitled one; it logs the wheel messages it receives.
struct WheelReceived {
    std::wstring title;
    std::uint32_t wParam;
    long lParam;
    bool foreground;
    bool key = false;  // a key press (wParam holds the virtual key), not a wheel message
};

class TargetProgram {
  public:
    explicit TargetProgram(const std::wstring& extraArguments = L"");
    TargetProgram(const TargetProgram&) = delete;
    TargetProgram& operator=(const TargetProgram&) = delete;
    ~TargetProgram();

    HWND window(const std::wstring& title) const;
    std::vector<WheelReceived> received() const;
    // The virtual keys pressed in the window with this title.
    std::vector<unsigned> keysPressed(const std::wstring& title) const;
    // Waits until at least `count` wheel messages were logged.
    bool waitForReceived(std::size_t count, std::chrono::milliseconds timeout);

  private:
    std::vector<WheelReceived> allLines() const;
    std::wstring logPath_;
    PROCESS_INFORMATION process_{};
};

}  // namespace qpa::wine
