#pragma once
#include <QButtonGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/Layout.h"
#include "ports/MainView.h"
#include "ports/System.h"

class QProgressBar;

class QTreeWidget;

namespace qpa::qt {

// The main window in Qt Widgets, built from the same layout table as the Windows one.
class QtMainWindow final : public QWidget, public MainView, public ScheduleTimer {
  public:
    QtMainWindow();
    void showAfterLoad();
    // Where the desktop does not let a window raise itself (sway), how to have it raised.
    void setRaiseOwnWindow(std::function<void()> raise) { raiseOwnWindow_ = std::move(raise); }
    // What to do when the user restores, from the task bar, a window that was minimised in place
    // of the tray (no tray host): the core has to hear that it is back, as from a click on the
    // icon.
    void setRestoredOutsideTray(std::function<void()> restored) {
        restoredOutsideTray_ = std::move(restored);
    }
    QWidget* control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }
    // The desktop minimised the window without Qt hearing of it (Wayland tells a client nothing,
    // KWin's window management tells the program): handled as a minimise Qt had reported.
    void minimisedByDesktop();
    // The desktop brought back the window that was minimised in place of the tray, without Qt
    // hearing of it (a dock on Wayland): handled as a restore from the task bar on X11.
    void restoredByDesktop();

    // MainView
    void setEvents(ViewEvents& events) override { events_ = &events; }
    void postClick(Control control) override;
    // The window's handle among the handles of the desktop's windows: its X window id on X11; none
    // (0) on Wayland, where winId() is Qt's own number and no compositor's.
    WindowHandle handle() const;
    void setCaption(Control control, const std::wstring& caption) override;
    void setProgramIcon() override;
    void useButtonFaceColours() override;
    bool loadCustomPointer(const std::wstring& path) override;
    void setPointer(Pointer pointer) override;
    void setWindowState(WindowState state) override;
    void setWindowVisible(bool visible) override;
    void activateWindow() override;
    void setOptionValue(int n, bool selected) override;
    void setText(Control field, const std::wstring& text) override;
    void selectAllText(Control field) override;
    void setFocus(Control control) override;
    void setChecked(Control box, bool value) override;
    void setControlVisible(Control control, bool visible) override;
    void setProgressMaximum(std::int32_t maximum) override;
    void setProgressValue(std::int32_t value) override;
    void setProgressText(const std::wstring& text) override;
    void addListColumn(const std::wstring& header, int widthTwips) override;
    void clearList() override;
    void appendListItem(const std::wstring& text) override;
    void selectListItem(int index) override;
    void letPendingEventsRun() override;

    // ScheduleTimer
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void createControls();
    static void tabStopAtChosen(QButtonGroup& group);
    void fitCaption(Control control);
    int px(int twips) const;
    // The design's font sizes are scaled by this: 1, or less where the window would not fit.
    double fontScale() const;
    Control controlOf(QObject* object) const;
    // Reports an event to the controller, unless the window is closing.
    template <class Report>
    void report(Report&& toController) {
        if (events_ && !closing_) toController(*events_);
    }
    void raise(Control control, UiEvent event);
    // The state the window has, or takes when it is shown.
    WindowState currentState() const;
    QProgressBar* progressBar() const;
    void followTrayHost();
    void minimise();
    QTreeWidget* list() const;

    ViewEvents* events_ = nullptr;
    std::function<void()> raiseOwnWindow_;
    std::function<void()> restoredOutsideTray_;
    std::array<QWidget*, kControlCount> controls_{};
    QButtonGroup methods_, scopes_;
    QTimer timer_;
    int progressMaximum_ = 100;
    QCursor customCursor_;
    bool hasCustomCursor_ = false;
    bool closing_ = false;
    std::optional<WindowState> stateWhenShown_;  // of the hidden window
    int quietSelection_ = 0;                     // the list's selection is being changed by code
    // The core put the window into the tray: hidden there, or minimised while no tray host runs.
    bool inTray_ = false;
    QTimer trayHostCheck_;  // while in the tray: the tray host may come or go
    // An X11 window manager says when it minimises or restores a window; a Wayland compositor
    // does not (Qt reports the normal state again at the next configure, on sway as elsewhere).
    const bool managerTellsMinimised_ = QGuiApplication::platformName() == QLatin1String("xcb");
    // Qt marked the X window iconic in its hints when it minimised it, and clears that mark only
    // when it restores the window itself, not when the window manager did (the task bar) or the
    // window went into the tray meanwhile: the native window is made anew before it is shown.
    bool iconicHint_ = false;
    int quietFocus_ = 0;
    std::unique_ptr<QStyle> smallerMarks_;  // for a window laid out smaller than designed
    int dpi_ = 96;                          // the screen's (logical)
    int layoutDpi_ = 96;  // the window's: the screen's, or less where the window would not fit
};

}  // namespace qpa::qt
