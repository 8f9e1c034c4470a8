#include "desktop/SysTray.h"

namespace qpa {

namespace {
constexpr int kAdd = 0, kModify = 1, kDelete = 2;
constexpr std::uint32_t kMessageFlag = 0x1, kIconFlag = 0x2, kTipFlag = 0x4, kInfoFlag = 0x10;
}  // namespace

SysTray::SysTray(TrayShell& shell) : shell_(shell), ownerWindow_(shell.ownWindow()) {}

SysTray::~SysTray() {
    if (inTrayValue_) setInTray(false);
}

NotifyRecord SysTray::record(int message, std::uint32_t flags) const {
    NotifyRecord r;
    r.message = message;
    r.owner = ownerWindow_;
    r.id = iconId_;
    r.flags = flags;
    return r;
}

void SysTray::setInTray(bool inTray) {
    if (inTray == inTrayValue_) return;
    if (inTray) {
        shell_.routeCallbacks(true);
        AddTrayIcon(ownerWindow_, iconId_, tipText_, trayPicture_);
        installed_ = true;
    } else if (installed_) {
        RemoveTrayIcon(ownerWindow_, iconId_);
        shell_.routeCallbacks(false);
        installed_ = false;
    }
    inTrayValue_ = inTray;
    changed("InTray");
}

void SysTray::AddTrayIcon(WindowHandle owner, std::uint32_t id, const std::wstring& tip,
                          std::intptr_t picture) {
    NotifyRecord add = record(kAdd, 0);
    add.owner = owner;
    add.id = id;
    if (picture != 0) {
        add.icon = picture;
        add.flags |= kIconFlag;
        trayPicture_ = picture;
    }
    if (!tip.empty()) {
        add.tip = tip;
        add.flags |= kTipFlag;
        tipText_ = tip;
    }
    add.callbackMessage = kTrayCallbackMessage;
    add.flags |= kMessageFlag;
    shell_.notify(add);
}

void SysTray::RemoveTrayIcon(WindowHandle owner, std::uint32_t id) {
    NotifyRecord remove = record(kDelete, 0);
    remove.owner = owner;
    remove.id = id;
    shell_.notify(remove);
}

void SysTray::setTrayTip(const std::wstring& tip) {
    if (installed_) {
        NotifyRecord change = record(kModify, kTipFlag);
        change.tip = tip;
        shell_.notify(change);
    }
    tipText_ = tip;
    changed("TrayTip");
}

void SysTray::setTrayIcon(std::intptr_t picture, int pictureType) {
    if (picture == 0 || pictureType != kPictureTypeIcon) return;
    if (installed_) {
        NotifyRecord change = record(kModify, kIconFlag);
        change.icon = picture;
        shell_.notify(change);
    }
    trayPicture_ = picture;
    changed("TrayIcon");
}

void SysTray::ShowBalloon(const std::wstring& Tip, const std::wstring& sTitle,
                          std::int32_t ShowTimer, bool ShowOnce) {
    if (ShowOnce && balloonsShownOnce_ >= 1) return;
    NotifyRecord balloon = record(kModify, kInfoFlag);
    balloon.info = Tip;
    balloon.infoTitle = sTitle;
    balloon.timeout = ShowTimer > 0 ? static_cast<std::uint32_t>(ShowTimer) * 1000u : 0u;
    const double shownAt = shell_.elapsedSeconds();
    shell_.notify(balloon);
    balloonShowing_ = true;
    if (ShowOnce) ++balloonsShownOnce_;
    if (ShowTimer <= 0) return;
    // Blocks on window events, never spins: clicks, the hotkey and the schedule run meanwhile.
    for (double waited = 0; balloonShowing_ && waited < ShowTimer;
         waited = shell_.elapsedSeconds() - shownAt) {
        shell_.waitForEvents(ShowTimer - waited);
    }
    if (balloonShowing_) shell_.notify(record(kModify, kInfoFlag));  // takes the balloon away
}

void SysTray::TrayCallback(std::uint32_t message, std::uint32_t id) {
    switch (message) {
        case 0x200:
            if (MouseMove) MouseMove(id);
            return;
        case 0x201:
            if (MouseDown) MouseDown(1, id);
            return;
        case 0x202:
            if (MouseUp) MouseUp(1, id);
            return;
        case 0x203:
            if (MouseDblClick) MouseDblClick(1, id);
            return;
        case 0x204:
            if (MouseDown) MouseDown(2, id);
            return;
        case 0x205:
            if (MouseUp) MouseUp(2, id);
            return;
        case 0x206:
            if (MouseDblClick) MouseDblClick(2, id);
            return;
        case 0x403:  // balloon hidden
        case 0x404:  // balloon timed out
        case 0x405:  // balloon clicked
            balloonShowing_ = false;
            return;
        default:
            return;
    }
}

void SysTray::shellRestarted() {
    if (installed_) AddTrayIcon(ownerWindow_, iconId_, tipText_, trayPicture_);
}

}  // namespace qpa
