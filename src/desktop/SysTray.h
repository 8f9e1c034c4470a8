#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "ports/Desktop.h"
#include "ports/Events.h"

namespace qpa {

inline constexpr int kPictureTypeIcon = 3;

// The tray control (cSysTray): one notification-area icon with its tip, the icon's mouse events,
// and balloon messages. It knows nothing of the window that hosts it.
class SysTray final : public TrayEvents {
  public:
    explicit SysTray(TrayShell& shell) : shell_(shell) {}
    ~SysTray() override;

    void setInTray(bool inTray);
    // Takes only a picture of the icon type; anything else is ignored.
    void setTrayIcon(TrayPicture picture, int pictureType);
    void setTrayTip(const std::wstring& tip);

    void ShowBalloon(const std::wstring& Tip, const std::wstring& sTitle,
                     std::int32_t ShowTimer = 0, bool ShowOnce = false);

    // A button (1 left, 2 right) was released over the icon with this id.
    std::function<void(std::int16_t button, std::uint32_t id)> MouseUp;

    void buttonReleased(int button) noexcept override;
    void balloonClosed() noexcept override { balloonShowing_ = false; }
    void shellRestarted() noexcept override;

  private:
    TrayShell& shell_;
    bool inTrayValue_ = false;
    std::uint32_t iconId_ = 0;
    std::wstring tipText_;
    TrayPicture trayPicture_ = 0;
    bool installed_ = false;
    bool balloonShowing_ = false;
    std::int32_t balloonsShownOnce_ = 0;
};

}  // namespace qpa
