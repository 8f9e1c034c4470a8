#pragma once

namespace qpa::qt {

// The lines one wheel notch scrolls as the desktop sets it, which Qt reads from the desktop's own
// settings (KDE's, GNOME's, or its default of 3). Needs the application object.
int wheelScrollLines();

}  // namespace qpa::qt
