#pragma once
#include <cstdint>
#include <string>

#include "platform/Controls.h"

namespace qpa {

// The main window and its controls as the controller sees them. Setting a value by code raises no
// event: the controller runs the handler itself where the window's own run time would.
class MainView {
  public:
    MainView() = default;
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;
    virtual ~MainView() = default;

    // The main window's platform handle.
    virtual WindowHandle handle() const = 0;
    // Caption of the window, a frame or a push button.
    virtual void setCaption(Control control, const std::wstring& caption) = 0;
    virtual std::wstring caption(Control control) const = 0;
    // Gives the window the program's own icon.
    virtual void setProgramIcon() = 0;
    // Background of the window, its labels, options, check boxes and frames: the button face
    // colour.
    virtual void useButtonFaceColours() = 0;
    // Loads a cursor file as the custom pointer image; false when it cannot be loaded.
    virtual bool loadCustomPointer(const std::wstring& path) = 0;
    virtual void setPointer(Pointer pointer) = 0;
    virtual Pointer pointer() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual WindowState windowState() const = 0;
    // Shows or hides the main window (hidden: out of the taskbar too).
    virtual void setWindowVisible(bool visible) = 0;
    virtual bool windowVisible() const = 0;
    // Brings the restored window to the front with the keyboard focus.
    virtual void activateWindow() = 0;

    // Option n (1 to 8). Selecting one clears the others of its frame; clearing one selects none.
    virtual bool optionValue(int n) const = 0;
    virtual void setOptionValue(int n, bool selected) = 0;

    // Text fields Text2 and Text3.
    virtual std::wstring text(Control field) const = 0;
    virtual void setText(Control field, const std::wstring& text) = 0;
    virtual void selectAllText(Control field) = 0;
    // Moves the keyboard focus into a control.
    virtual void setFocus(Control control) = 0;

    // Check boxes Check4 and Check8.
    virtual bool checked(Control box) const = 0;
    virtual void setChecked(Control box, bool checked) = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual bool controlVisible(Control control) const = 0;

    // ProgressBar1.
    virtual void setProgressMaximum(std::int32_t maximum) = 0;
    virtual void setProgressValue(std::int32_t value) = 0;
    virtual void setProgressText(const std::wstring& text) = 0;

    // ListView1: one column, items appended in order, 1-based indices, 0 for "none selected".
    virtual void addListColumn(const std::wstring& header, int widthTwips) = 0;
    virtual void clearList() = 0;
    virtual void appendListItem(const std::wstring& text) = 0;
    virtual int listCount() const = 0;
    virtual int selectedListIndex() const = 0;
    virtual void selectListItem(int index) = 0;

    // Lets pending window events run (and paints) before returning.
    virtual void letPendingEventsRun() = 0;
};

}  // namespace qpa
