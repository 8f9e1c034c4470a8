// Start-up of the main window and the dispatch of its events.
#include "app/Form1.h"

#include "core/Texts.h"

namespace qpa {

Form1::Form1(const Form1Ports& ports)
    : ports_(ports),
      view_(ports.view),
      reporter_(ports.dialogs),
      store_(ports.settings),
      delivery_(ports.windows, reporter_),
      modKeyboard_(ports.keyboard, [this] { view_.postClick(Control::PushButton2); }),
      cSysTray1_(ports.tray),
      mStartUp_(ports.startup) {
    view_.setEvents(*this);
    view_.setCaption(Control::Check4, ports.words.startupCheckBox);
    // As designed: the tray control holds the blue "T" picture and is not yet in the tray.
    cSysTray1_.setTrayIcon(ports.tray.designedPicture(), kPictureTypeIcon);
    cSysTray1_.MouseUp = [this](std::int16_t button, std::uint32_t id) {
        cSysTray1_MouseUp(button, id);
    };
}

void Form1::raise(Control control, UiEvent event) noexcept {
    try {
        switch (event) {
            case UiEvent::Click:
                if (const int n = optionNumber(control)) return Option_Click(n);
                switch (control) {
                    case Control::PushButton1:
                        return PushButton1_Click();
                    case Control::PushButton2:
                        return PushButton2_Click();
                    case Control::PushButton7:
                        return PushButton7_Click();
                    case Control::PushButton10:
                        return PushButton10_Click();
                    case Control::Check4:
                        return Check4_Click();
                    case Control::Check8:
                        return Check8_Click();
                    default:
                        return;
                }
            case UiEvent::GotFocus:
                return Text_GotFocus(control);
            case UiEvent::LostFocus:
                return Text_LostFocus(control);
            case UiEvent::MouseMove:
                return MouseMove(control);
            case UiEvent::QueryUnload:
                return Form_QueryUnload();
        }
    } catch (...) {
        reportUntrapped();
    }
}

void Form1::reportUntrapped() noexcept {
    // A handler without a trap of its own failed (a settings write the store refused, say): tell
    // the user and keep running.
    try {
        ports_.dialogs.showMessage(describeCurrentException(), MessageKind::Warning,
                                   applicationTitle_);
    } catch (...) {
    }
}

// The user's changes: kept as what the window shows, then the control's handler.
void Form1::changed(Control field, const std::wstring& text) noexcept {
    runHandler([&] {
        fieldText(field) = text;
        Text_Change(field);
    });
}

void Form1::checked(Control box, bool isChecked) noexcept {
    runHandler([&] {
        if (box == Control::Check4) {
            shown_.check4 = isChecked;
            Check4_Click();
        } else if (box == Control::Check8) {
            shown_.check8 = isChecked;
            Check8_Click();
        }
    });
}

void Form1::selected(int index) noexcept {
    shown_.selectedEntry = index;
}

void Form1::resized(WindowState state) noexcept {
    runHandler([&] { Form_Resize(state); });
}

void Form1::tick() noexcept {
    try {
        Timer1_Timer();
    } catch (...) {
    }
}

void Form1::Form_Load() {
    Trap trap(reporter_, Location::Form1_Form_Load);
    trap(102, [&] { ApplySkin(); });
    trap(104, [&] { isLoading_ = true; });
    trap(106, [&] { view_.setCaption(Control::Form, texts::kProductName); });
    trap(108, [&] { view_.setProgramIcon(); });
    trap(110, [&] { SetShortTitle(); });
    trap(112, [&] {
        const auto& files = ports_.files;
        const std::wstring pointerFile = files.programFolder() + files.separator() + L"HAND-M.CUR";
        if (FileExists(pointerFile)) view_.loadCustomPointer(pointerFile);
    });
    trap(114, [&] { MaybeOpenHomePage(); });
    trap(116, [&] { mainWindowHandle_ = ports_.mainWindow; });
    trap(118, [&] { view_.addListColumn(texts::kListColumnHeader, texts::kListColumnWidthTwips); });
    trap(120, [&] { loadWindows(); });
    for (int n = 1; n <= 8; ++n) {
        trap(120 + 2 * n, [&] {
            setOptionByCode(n, store_.getTruth(optionKey(n), ports_.regional.decimalSeparator()));
        });
    }
    trap(138, [&] { setTextByCode(Control::Text2, store_.get(SettingKey::Text2)); });
    trap(140, [&] { setTextByCode(Control::Text3, store_.get(SettingKey::Text3)); });
    trap(142, [&] { restoreSwitchState(); });
    trap(144, [&] { setCheckedByCode(Control::Check4, store_.getOn(SettingKey::WindowsStartup)); });
    trap(146, [&] { setCheckedByCode(Control::Check8, store_.getOn(SettingKey::Minimized)); });
    trap(148, [&] {
        if (shown_.check4) {
            view_.setControlVisible(Control::Check8, true);
            if (shown_.check8) view_.setWindowState(WindowState::Minimized);
        } else {
            view_.setControlVisible(Control::Check8, false);
        }
    });
    trap(150, [&] { delivery_.KnowScrollines(); });
    trap(152, [&] { isLoading_ = false; });
    trap(154, [&] { prepareTrayIcon(); });
    trap(156, [&] { modKeyboard_.HookKeyboard(); });
}

void Form1::ApplySkin() {
    const auto& files = ports_.files;
    const wchar_t sep = files.separator();
    const std::wstring skinFile = files.programFolder() + sep + L"x" + sep + L"o.cjs";
    if (files.findPlainFile(skinFile).empty()) return;
    // No skin component is built in: the skin file only gives the window its button-face colours.
    view_.useButtonFaceColours();
}

void Form1::SetShortTitle() {
    std::wstring title = texts::kProductName;
    while (title.size() > 40) {
        const auto blank = title.rfind(L' ');
        if (blank == std::wstring::npos) break;
        title.resize(blank);
    }
    applicationTitle_ = title;
}

void Form1::MaybeOpenHomePage() {
    ports_.chance.seed(ports_.chance.secondsOfDay());
    const int n = static_cast<int>(ports_.chance.next() * 100.0) + 1;
    if (n == 7) ports_.browser.openAddress(texts::kHomePageAddress);
}

bool Form1::FileExists(const std::wstring& path) const {
    try {
        return ports_.files.modifiedTimeReadable(path);
    } catch (...) {
        return false;
    }
}

void Form1::prepareTrayIcon() {
    cSysTray1_.setTrayTip(texts::kProductName);
    cSysTray1_.setInTray(true);
}

void Form1::Form_Resize(WindowState state) {
    if (state != WindowState::Minimized || hiddenToTray_) return;
    view_.setWindowVisible(false);
    view_.setWindowState(WindowState::Normal);
    hiddenToTray_ = true;
    cSysTray1_.ShowBalloon(texts::kBalloonText, texts::kProductName, 5, true);
}

void Form1::cSysTray1_MouseUp(std::int16_t, std::uint32_t) {
    view_.setWindowVisible(true);
    hiddenToTray_ = false;
    view_.activateWindow();
}

void Form1::AddToStartup() {
    const StartupEntry::Result result = mStartUp_.AddToStartup();
    if (result == StartupEntry::Result::ListsRefused) message(ports_.words.startupListRefused);
    if (result == StartupEntry::Result::PathRefused) message(ports_.words.startupPathRefused);
}

void Form1::Form_QueryUnload() {
    Trap trap(reporter_, Location::Form1_Form_QueryUnload);
    trap(100, [&] { modKeyboard_.UnhookKeyboard(); });
    trap(102, [&] {
        ports_.timer.stop();
        ports_.display.keepAwake(false);
    });
    trap(104, [&] { cSysTray1_.setInTray(false); });
    trap(106, [&] { view_.letPendingEventsRun(); });
    trap(108, [&] { view_.letPendingEventsRun(); });
}

void Form1::message(const std::wstring& text) {
    ports_.dialogs.showMessage(text, MessageKind::Plain, applicationTitle_);
}

}  // namespace qpa
