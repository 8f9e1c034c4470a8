#pragma once
#include <cstdint>
#include <string>

#include "ports/Controls.h"
#include "ports/Events.h"
#include "ports/Port.h"

namespace qpa {

// The main window and its controls as the controller sees them: written, never read back (the
// controller keeps what they show, from its own writes and the events the window reports).
// Setting a value by code raises no event: the controller runs the handler itself where the
// window's own run time would.
class MainView : public Port {
  public:
    // Where the window reports its events from now on.
    virtual void setEvents(ViewEvents& events) = 0;
    // Raises the control's click once the event being handled now has returned.
    virtual void postClick(Control control) = 0;
    // Caption of the window, a frame or a push button.
    virtual void setCaption(Control control, const std::wstring& caption) = 0;
    // Gives the window the program's own icon.
    virtual void setProgramIcon() = 0;
    // The background of the window and its frames, labels, options and boxes: the button face.
    virtual void useButtonFaceColours() = 0;
    // Loads a cursor file as the custom pointer's image; false when it cannot be loaded.
    virtual bool loadCustomPointer(const std::wstring& path) = 0;
    // The pointer over the window; the custom one without an image shows as the arrow.
    virtual void setPointer(Pointer pointer) = 0;
    // Minimises or restores the window; a hidden window takes the state when it is shown.
    virtual void setWindowState(WindowState state) = 0;
    // Shows or hides the main window (hidden: out of the taskbar too).
    virtual void setWindowVisible(bool visible) = 0;
    // Brings the window to the front, not minimised, with the keyboard focus.
    virtual void activateWindow() = 0;

    // Option n (1 to 8). Selecting one clears the others of its group; clearing selects none.
    virtual void setOptionValue(int n, bool selected) = 0;

    // The text fields Text2 and Text3.
    virtual void setText(Control field, const std::wstring& text) = 0;
    virtual void selectAllText(Control field) = 0;
    // Moves the keyboard focus into a control.
    virtual void setFocus(Control control) = 0;

    // The check boxes Check4 and Check8, and whether a control is shown at all.
    virtual void setChecked(Control box, bool checked) = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;

    // ProgressBar1: its range is 0 to the maximum (none for a maximum of 0 or less).
    virtual void setProgressMaximum(std::int32_t maximum) = 0;
    virtual void setProgressValue(std::int32_t value) = 0;
    virtual void setProgressText(const std::wstring& text) = 0;

    // ListView1: one column, items appended in order, 1-based indices. Clearing selects none.
    virtual void addListColumn(const std::wstring& header, int widthTwips) = 0;
    virtual void clearList() = 0;
    virtual void appendListItem(const std::wstring& text) = 0;
    virtual void selectListItem(int index) = 0;

    // Lets pending window events run (and paints) before returning.
    virtual void letPendingEventsRun() = 0;
};

}  // namespace qpa
