#include "desktop/SysTray.h"

namespace qpa {

SysTray::~SysTray() {
    if (inTrayValue_) setInTray(false);
}

void SysTray::setInTray(bool inTray) {
    if (inTray == inTrayValue_) return;
    if (inTray) {
        shell_.add(*this, trayPicture_, tipText_);
        installed_ = true;
    } else if (installed_) {
        shell_.remove();
        installed_ = false;
    }
    inTrayValue_ = inTray;
}

void SysTray::setTrayTip(const std::wstring& tip) {
    if (installed_) shell_.changeTip(tip);
    tipText_ = tip;
}

void SysTray::setTrayIcon(TrayPicture picture, int pictureType) {
    if (picture == 0 || pictureType != kPictureTypeIcon) return;
    if (installed_) shell_.changePicture(picture);
    trayPicture_ = picture;
}

void SysTray::ShowBalloon(const std::wstring& Tip, const std::wstring& sTitle,
                          std::int32_t ShowTimer, bool ShowOnce) {
    if (ShowOnce && balloonsShownOnce_ >= 1) return;
    const double shownAt = shell_.elapsedSeconds();
    shell_.balloon(sTitle, Tip, ShowTimer > 0 ? ShowTimer : 0);
    balloonShowing_ = true;
    if (ShowOnce) ++balloonsShownOnce_;
    if (ShowTimer <= 0) return;
    // Blocks on window events, never spins: clicks, the hotkey and the schedule run meanwhile.
    for (double waited = 0; balloonShowing_ && waited < ShowTimer;
         waited = shell_.elapsedSeconds() - shownAt) {
        shell_.waitForEvents(ShowTimer - waited);
    }
    if (balloonShowing_) shell_.balloonOff();
}

void SysTray::buttonReleased(int button) noexcept {
    try {
        if (MouseUp) MouseUp(static_cast<std::int16_t>(button), iconId_);
    } catch (...) {
        // The host's handler carries no trap: a failure there leaves the icon as it is.
    }
}

void SysTray::shellRestarted() noexcept {
    try {
        if (installed_) shell_.add(*this, trayPicture_, tipText_);
    } catch (...) {
    }
}

}  // namespace qpa
