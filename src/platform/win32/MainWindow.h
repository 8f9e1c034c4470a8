#pragma once
#include <windows.h>

#include <array>
#include <optional>

#include "app/Layout.h"
#include "platform/MainView.h"
#include "platform/Ports.h"
#include "platform/win32/Handles.h"

namespace qpa {
class Form1;
}

namespace qpa::win32 {

inline constexpr int kControlCount = static_cast<int>(Control::ProgressBar1) + 1;

// The main window with every control, built from the layout table; raises its events into Form1.
class MainWindow final : public MainView, public ScheduleTimer {
  public:
    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    void attach(Form1& form) { form_ = &form; }
    // Shows the window after start-up: minimised when start-up asked for it.
    void showAfterLoad();
    // Dispatches events until the window has closed.
    int runMessageLoop();
    HWND hwnd() const { return hwnd_; }

    // MainView
    WindowHandle handle() const override;
    void setCaption(Control control, const std::wstring& caption) override;
    std::wstring caption(Control control) const override;
    void setProgramIcon() override;
    void useButtonFaceColours() override;
    bool loadCustomPointer(const std::wstring& path) override;
    void setPointer(Pointer pointer) override;
    Pointer pointer() const override { return pointer_; }
    void setWindowState(WindowState state) override;
    WindowState windowState() const override;
    void setWindowVisible(bool visible) override;
    bool windowVisible() const override;
    void activateWindow() override;
    bool optionValue(int n) const override;
    void setOptionValue(int n, bool selected) override;
    std::wstring text(Control field) const override;
    void setText(Control field, const std::wstring& text) override;
    void selectAllText(Control field) override;
    void setFocus(Control control) override;
    bool checked(Control box) const override;
    void setChecked(Control box, bool value) override;
    void setControlVisible(Control control, bool visible) override;
    bool controlVisible(Control control) const override;
    void setProgressMaximum(std::int32_t maximum) override;
    void setProgressValue(std::int32_t value) override;
    void setProgressText(const std::wstring& text) override;
    void addListColumn(const std::wstring& header, int widthTwips) override;
    void clearList() override;
    void appendListItem(const std::wstring& text) override;
    int listCount() const override;
    int selectedListIndex() const override;
    void selectListItem(int index) override;
    void letPendingEventsRun() override;

    // ScheduleTimer
    void setEnabled(bool enabled) override;
    void setInterval(int milliseconds) override;
    bool enabled() const override { return timerEnabled_; }
    int interval() const override { return timerInterval_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR owner);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void createControls();
    void createListTip();
    HWND control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }
    int px(int twips) const;
    Control controlAt(HWND hit) const;
    bool onSetCursor(HWND hit, UINT mouseMessage);
    void dispatchMessage(MSG& message);
    void raise(Control control, UiEvent event);
    void applyTimer();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    Form1* form_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    HWND listTip_ = nullptr;
    HWND lastFocus_ = nullptr;  // the control that had the focus when the window was deactivated
    int dpi_ = 96;
    UniqueFont windowFont_;
    UniqueFont buttonFont_;
    UniqueBrush background_;
    COLORREF backgroundColour_ = RGB(255, 255, 255);
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    UniqueCursor customCursor_;
    Pointer pointer_ = Pointer::Default;
    bool timerEnabled_ = false;
    int timerInterval_ = 0;
    bool startMinimized_ = false;
    bool shown_ = false;
    std::optional<WindowState> stateWhenShown_;  // of the hidden window
    bool closing_ = false;
    int progressMaximum_ = 100;
    std::optional<int> progressShown_;  // the position the bar was last given
    // Changes made by code raise no event; focus moves made by code raise no LostFocus.
    int quietChanges_ = 0;
    int quietFocus_ = 0;
};

}  // namespace qpa::win32
