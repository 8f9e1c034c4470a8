#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/DesktopPorts.h"

namespace qpa {

inline constexpr std::uint32_t kTrayCallbackMessage = 0x465;
inline constexpr int kPictureTypeIcon = 3;

// The tray control: one notification-area icon with its tip, the icon's mouse events, and balloon
// messages. It knows nothing of the window that hosts it.
class SysTray {
  public:
    explicit SysTray(TrayShell& shell);
    SysTray(const SysTray&) = delete;
    SysTray& operator=(const SysTray&) = delete;
    ~SysTray();

    bool InTray() const { return inTrayValue_; }
    void setInTray(bool inTray);
    std::intptr_t TrayIcon() const { return trayPicture_; }
    // Takes only a picture of the icon type; anything else is ignored.
    void setTrayIcon(std::intptr_t picture, int pictureType);
    const std::wstring& TrayTip() const { return tipText_; }
    void setTrayTip(const std::wstring& tip);

    void ShowBalloon(const std::wstring& Tip, const std::wstring& sTitle,
                     std::int32_t ShowTimer = 0, bool ShowOnce = false);
    // A callback of the icon: `message` is the mouse or balloon notification, `id` the icon's id.
    void TrayCallback(std::uint32_t message, std::uint32_t id);
    // The shell came back after a restart: the icon is put up again.
    void shellRestarted();

    bool balloonShowing() const { return balloonShowing_; }
    std::int32_t balloonsShownOnce() const { return balloonsShownOnce_; }

    // Events raised to the host, with the button (1 left, 2 right) and the icon's id.
    std::function<void(std::int16_t button, std::uint32_t id)> MouseDown;
    std::function<void(std::int16_t button, std::uint32_t id)> MouseUp;
    std::function<void(std::int16_t button, std::uint32_t id)> MouseDblClick;
    std::function<void(std::uint32_t id)> MouseMove;
    // A property was written ("InTray", "TrayIcon", "TrayTip").
    std::function<void(const char* property)> PropertyChanged;

  private:
    void AddTrayIcon(WindowHandle owner, std::uint32_t id, const std::wstring& tip,
                     std::intptr_t picture);
    void RemoveTrayIcon(WindowHandle owner, std::uint32_t id);
    NotifyRecord record(int message, std::uint32_t flags) const;
    void changed(const char* property) {
        if (PropertyChanged) PropertyChanged(property);
    }

    TrayShell& shell_;
    bool inTrayValue_ = false;
    std::uint32_t iconId_ = 0;
    std::wstring tipText_;
    WindowHandle ownerWindow_ = 0;
    std::intptr_t trayPicture_ = 0;
    bool installed_ = false;
    bool balloonShowing_ = false;
    std::int32_t balloonsShownOnce_ = 0;
};

}  // namespace qpa
