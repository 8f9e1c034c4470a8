#pragma once
#include <windows.h>

#include <array>
#include <optional>

#include "core/Layout.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ListView.h"
#include "platform/win32/ProgressBar.h"
#include "ports/MainView.h"
#include "ports/System.h"

namespace qpa::win32 {

// The main window with every control, built from the layout table, and its schedule timer.
class MainWindow final : public MainView, public ScheduleTimer {
  public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;

    // Shows the window after start-up: minimised when start-up asked for it.
    void showAfterLoad();
    // Dispatches events until the window has closed.
    int runMessageLoop();
    HWND hwnd() const { return hwnd_; }

    // MainView
    void setEvents(ViewEvents& events) override { events_ = &events; }
    void postClick(Control control) override;
    // The window's platform handle.
    WindowHandle handle() const;
    void setCaption(Control control, const std::wstring& caption) override;
    void setProgramIcon() override;
    void useButtonFaceColours() override;
    bool loadCustomPointer(const std::wstring& path) override;
    void setPointer(Pointer pointer) override { pointer_ = pointer; }
    void setWindowState(WindowState state) override;
    void setWindowVisible(bool visible) override;
    void activateWindow() override;
    void setOptionValue(int n, bool selected) override;
    void setText(Control field, const std::wstring& text) override;
    void selectAllText(Control field) override;
    void setFocus(Control control) override;
    void setChecked(Control box, bool value) override;
    void setControlVisible(Control control, bool visible) override;
    void setProgressMaximum(std::int32_t maximum) override { progress_.setMaximum(maximum); }
    void setProgressValue(std::int32_t value) override { progress_.setValue(value); }
    void setProgressText(const std::wstring& text) override { progress_.setText(text); }
    void addListColumn(const std::wstring& header, int widthTwips) override;
    void clearList() override;
    void appendListItem(const std::wstring& text) override { list_.append(text); }
    void selectListItem(int index) override;
    void letPendingEventsRun() override;

    // ScheduleTimer
    void start(int milliseconds) override;
    void stop() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    static LRESULT CALLBACK FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR owner) noexcept;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void onCommand(WPARAM wParam);
    void onNotify(const NMHDR& header);
    void onActivate(WPARAM wParam);
    void createControls();
    HWND createChild(const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle,
                     const ControlPlacement& placement, int id, HFONT font);
    void fitCaption(Control control);
    void createListTip();
    HWND control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }
    int px(int twips) const;
    Control controlAt(HWND hit) const;
    bool onSetCursor(HWND hit, UINT mouseMessage);
    void dispatchMessage(MSG& message);
    // Reports an event to the controller, unless the window is closing.
    template <class Report>
    void report(Report&& toController) {
        if (events_ && !closing_) toController(*events_);
    }
    void raise(Control control, UiEvent event);
    // A control's text, or the window's caption.
    std::wstring textOf(Control control) const;
    // The state the window has, or takes when it is shown.
    WindowState currentState() const;

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    ViewEvents* events_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    ListView list_;
    ProgressBar progress_;
    HWND listTip_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was deactivated
    int dpi_ = 96;              // the screen's
    int layoutDpi_ = 96;  // the window's: the screen's, or less where the window would not fit
    UniqueFont windowFont_;
    UniqueFont buttonFont_;
    UniqueBrush background_;
    COLORREF backgroundColour_ = RGB(255, 255, 255);
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    UniqueCursor customCursor_;
    Pointer pointer_ = Pointer::Default;
    bool startMinimized_ = false;
    bool shown_ = false;
    bool closing_ = false;
    std::optional<WindowState> stateWhenShown_;  // of the hidden window
    // Changes made by code raise no event (a field's text, the list's selection); focus moves
    // made by code raise no LostFocus.
    int quietChanges_ = 0;
    int quietFocus_ = 0;
};

}  // namespace qpa::win32
