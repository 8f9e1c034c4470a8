#pragma once
#include <string>
#include <vector>

#include "app/ErrorReport.h"
#include "app/SettingsStore.h"
#include "desktop/StartupEntry.h"
#include "desktop/SysTray.h"
#include "desktop/ToggleHotkey.h"
#include "engine/Catalogue.h"
#include "engine/Delivery.h"
#include "engine/Schedule.h"
#include "platform/DesktopPorts.h"
#include "platform/MainView.h"
#include "platform/Ports.h"
#include "platform/WindowServices.h"

namespace qpa {

// What the main window controller needs of the platform.
struct Form1Ports {
    MainView& view;
    ScheduleTimer& timer;
    Dialogs& dialogs;
    SettingsBackend& settings;
    ProgramFiles& files;
    ProcessLauncher& launcher;
    Chance& chance;
    RegionalSettings& regional;
    WindowServices& windows;
    KeyboardHookPort& keyboard;
    TrayShell& tray;
    StartupRegistry& startup;
    DisplayKeeper& display;
};

// The main window controller: every handler of the main window.
class Form1 {
  public:
    explicit Form1(const Form1Ports& ports);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Runs an event of a control; never throws (a failure outside any trap gets a plain message).
    void raise(Control control, UiEvent event) noexcept;
    // The schedule timer's tick; never throws.
    void tick() noexcept;

    // Start-up: runs once when the main window has been created.
    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    void Timer1_Timer();
    // The On/Off switch, for the button and the hotkey alike.
    void PushButton2_Click();
    void PushButton1_Click();
    void PushButton7_Click();
    void PushButton10_Click();
    void loadWindows();
    void Option_Click(int n);
    void Text_Change(Control field);
    void Text_GotFocus(Control field);
    void Text_LostFocus(Control field);
    void Check4_Click();
    void Check8_Click();
    void MouseMove(Control control);
    void cSysTray1_MouseUp(std::int16_t button, std::uint32_t id);

    // The tray control and the toggle chord's hook, for the platform's callbacks.
    SysTray& cSysTray1() { return cSysTray1_; }
    ToggleHotkey& modKeyboard() { return modKeyboard_; }

    bool FileExists(const std::wstring& path) const;
    bool switchedOn() const;
    bool isLoading() const { return isLoading_; }
    bool hiddenToTray() const { return hiddenToTray_; }
    const std::wstring& applicationTitle() const { return applicationTitle_; }
    const Schedule& schedule() const { return schedule_; }
    const std::vector<WindowHandle>& windowHandles() const { return windowHandles_; }
    std::int32_t scrollLines() const { return delivery_.scrollLines(); }

  private:
    void ApplySkin();
    void SetShortTitle();
    void MaybeOpenHomePage();
    void toggle();
    void restoreSwitchState();
    void showOffState();
    void setOptionByCode(int n, bool selected);
    void setTextByCode(Control field, const std::wstring& text);
    void setCheckedByCode(Control box, bool checked);
    void message(const std::wstring& text);
    ScrollMethod selectedMethod() const;
    void AddToStartup();
    void RemoveFromStartup();
    void prepareTrayIcon();

    Form1Ports ports_;
    MainView& view_;
    ErrorReporter reporter_;
    SettingsStore store_;
    ScrollDelivery delivery_;
    Schedule schedule_;
    ToggleHotkey modKeyboard_;
    SysTray cSysTray1_;
    StartupEntry mStartUp_;
    WindowTable windowTable_;
    std::vector<WindowHandle> windowHandles_;
    WindowHandle mainWindowHandle_ = 0;
    std::wstring applicationTitle_ = L"QuietPageAdvancer";
    bool isLoading_ = false;
    bool returningFocus_ = false;
    bool hiddenToTray_ = false;
    bool ticking_ = false;
    bool toggling_ = false;
    int pendingToggles_ = 0;
    unsigned switchFlips_ = 0;  // how often the switch changed: a tick that saw it change stops
};

}  // namespace qpa
