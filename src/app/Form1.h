#pragma once
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "core/ErrorReport.h"
#include "core/Layout.h"
#include "core/Texts.h"
#include "desktop/StartupEntry.h"
#include "desktop/SysTray.h"
#include "desktop/ToggleHotkey.h"
#include "engine/Catalogue.h"
#include "engine/Delivery.h"
#include "engine/Schedule.h"
#include "ports/Desktop.h"
#include "ports/MainView.h"
#include "ports/System.h"
#include "ports/WindowServices.h"

namespace qpa {

// What the main window controller needs of the platform.
struct Form1Ports {
    MainView& view;
    ScheduleTimer& timer;
    Dialogs& dialogs;
    SettingsBackend& settings;
    ProgramFiles& files;
    Browser& browser;
    Chance& chance;
    RegionalSettings& regional;
    WindowServices& windows;
    KeyboardHook& keyboard;
    TrayShell& tray;
    StartupRegistry& startup;
    DisplayKeeper& display;
    const texts::DesktopWords& words;
    WindowHandle mainWindow;  // the main window's platform handle
};

// The main window controller: every handler of the main window. The window reports its events
// here; a failure outside any trap gets a plain message and the program goes on.
class Form1 final : public ViewEvents {
  public:
    explicit Form1(const Form1Ports& ports);

    void raise(Control control, UiEvent event) noexcept override;
    void changed(Control field, const std::wstring& text) noexcept override;
    void checked(Control box, bool isChecked) noexcept override;
    void selected(int index) noexcept override;
    void resized(WindowState state) noexcept override;
    void tick() noexcept override;

    // Start-up: runs once when the main window has been created.
    void Form_Load();
    void Form_Resize(WindowState state);
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

  private:
    void ApplySkin();
    void SetShortTitle();
    void MaybeOpenHomePage();
    bool FileExists(const std::wstring& path) const;
    Scope scope() const;
    void toggle();
    void restoreSwitchState();
    void showOnState();
    void showOffState();
    void setOptionByCode(int n, bool selected);
    void setTextByCode(Control field, const std::wstring& text);
    void setCheckedByCode(Control box, bool checked);
    void selectByCode(int index);
    // The text of Text2 or Text3 as the window shows it.
    std::wstring& fieldText(Control field);
    void message(const std::wstring& text);
    // Runs a handler without a trap of its own; a failure gets a plain message.
    template <class Handler>
    void runHandler(Handler&& handler) noexcept {
        try {
            handler();
        } catch (...) {
            reportUntrapped();
        }
    }
    void reportUntrapped() noexcept;
    void AddToStartup();
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
    Catalogue catalogue_;
    // What the window shows, as the handlers and the user's events left it: the controller reads
    // it here, never back from the window.
    struct Shown {
        bool on = false;  // PushButton2 reads "Turn Off"
        // The selected one of Option1 to Option6, and of Option7 and Option8; 0: none.
        int method = optionSelectedAtStart(optionGroup(1));
        int scope = optionSelectedAtStart(optionGroup(7));
        std::wstring text2, text3;
        bool check4 = false, check8 = false;
        int selectedEntry = 0;  // in ListView1, 1-based; 0: none
    } shown_;
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
