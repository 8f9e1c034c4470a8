// The one-second schedule and the On/Off switch of the main window.
#include <cstdint>

#include "app/Form1.h"
#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "core/ScopeExit.h"
#include "core/Texts.h"

namespace qpa {

namespace {
constexpr int kTickMilliseconds = 1000;
}  // namespace

Scope Form1::scope() const {
    if (shown_.scope == 7) return Scope::AvailableWindows;
    return shown_.scope == 8 ? Scope::SelectedWindow : Scope::None;
}

void Form1::Timer1_Timer() {
    // One tick at a time: a tick that comes while an earlier one is still in its report, its
    // repaint or its delivery does nothing; so does one that was on its way when the switch went
    // Off.
    if (ticking_ || !shown_.on) return;
    ticking_ = true;
    const ScopeExit ticked([this] { ticking_ = false; });
    Trap trap(reporter_, Location::Form1_Timer1_Timer);
    // A report or the repaint lets events run, and a toggle may run there: once the switch has
    // changed, the rest of the tick is skipped and the display stays as the switch left it.
    trap.stopWhen([this, flips = switchFlips_] { return switchFlips_ != flips; });
    int count = 0;
    trap(100, [&] { count = catalogue_.count(); });
    if (count == 0) return;
    trap(102, [&] { schedule_.placeCursor(scope(), count, shown_.selectedEntry); });
    trap(104, [&] { ++schedule_.elapsedSeconds; });
    const wchar_t decimal = ports_.regional.decimalSeparator();
    trap(106, [&] {
        if (!isNumeric(shown_.text2, decimal)) setTextByCode(Control::Text2, L"0");
    });
    trap(108, [&] {
        if (!isNumeric(shown_.text3, decimal)) setTextByCode(Control::Text3, L"5");
    });
    trap(110,
         [&] { schedule_.periodSeconds = periodFromFields(shown_.text2, shown_.text3, decimal); });
    trap(112, [&] { view_.setProgressMaximum(schedule_.periodSeconds); });
    trap(114, [&] {
        if (schedule_.elapsedSeconds <= schedule_.periodSeconds) {
            view_.setProgressValue(schedule_.elapsedSeconds);
        }
    });
    trap(116, [&] {
        view_.setCaption(Control::Frame4,
                         texts::kStatusOnPrefix + FormatCountdown(schedule_.remainingSeconds()));
    });
    trap(118, [&] { view_.letPendingEventsRun(); });
    if (trap.stopped() || schedule_.periodSeconds > schedule_.elapsedSeconds) return;

    trap(120, [&] { schedule_.elapsedSeconds = 0; });
    trap(122, [&] { ports_.timer.stop(); });
    ScrollMethod method = 0;
    trap(124, [&] { method = static_cast<ScrollMethod>(shown_.method); });
    WindowHandle target = 0;
    trap(126, [&] { target = catalogue_.handle(shown_.selectedEntry); });
    // With no entry selected there is no target this time; the cursor's entry is selected below.
    trap(128, [&] {
        if (target != 0) delivery_.SwitchToAndScroll(target, method);
    });
    trap(130, [&] { schedule_.advanceCursor(scope(), catalogue_.count()); });
    trap(132, [&] {
        if (schedule_.windowCursor < 1 || schedule_.windowCursor > catalogue_.count()) {
            throw RuntimeError(L"Index out of bounds");
        }
        selectByCode(schedule_.windowCursor);
    });
    trap(134, [&] { ports_.timer.start(kTickMilliseconds); });
}

void Form1::showOnState() {
    view_.setCaption(Control::PushButton2, texts::kTurnOff);
    shown_.on = true;
    schedule_.windowCursor = 1;
    ports_.timer.start(kTickMilliseconds);
    ports_.display.keepAwake(true);  // a hands-free reader must not find the screen dark
}

void Form1::showOffState() {
    ports_.timer.stop();
    ports_.display.keepAwake(false);
    view_.setCaption(Control::Frame4, texts::kStatusOff);
    view_.setPointer(Pointer::Default);
    view_.setProgressValue(0);
    view_.setProgressText(texts::kProgressBarText);
    view_.setCaption(Control::PushButton2, texts::kTurnOn);
    shown_.on = false;
}

void Form1::PushButton2_Click() {
    // A toggle asked while another one is still running (in its message or the balloon's wait)
    // runs once that one has finished: toggles happen one at a time, in the order asked.
    if (toggling_) {
        ++pendingToggles_;
        return;
    }
    toggling_ = true;
    const ScopeExit toggled([this] { toggling_ = false; });
    toggle();
    for (; pendingToggles_ > 0; --pendingToggles_) toggle();
}

void Form1::toggle() {
    Trap trap(reporter_, Location::Form1_PushButton2_Click);
    bool on = false;
    trap(100, [&] { on = shown_.on; });
    if (on) {
        ++switchFlips_;
        trap(102, [&] { showOffState(); });
        trap(104, [&] { store_.saveOn(SettingKey::StartStopState, false); });
        return;
    }
    int count = 0;
    trap(106, [&] { count = catalogue_.count(); });
    if (count == 0) {
        trap(108, [&] { message(texts::kEmptyQueue); });
        return;
    }
    ++switchFlips_;
    trap(110, [&] { view_.setWindowState(WindowState::Minimized); });
    trap(112, [&] { delivery_.KnowScrollines(); });
    trap(114, [&] { showOnState(); });
    trap(116, [&] { store_.saveOn(SettingKey::StartStopState, true); });
}

void Form1::restoreSwitchState() {
    const std::wstring state = store_.get(SettingKey::StartStopState);
    if (state == L"On" && catalogue_.count() > 0) {
        showOnState();
    } else if (state == L"On" || state == L"Off") {
        showOffState();
    }
}

}  // namespace qpa
