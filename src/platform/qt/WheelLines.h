#pragma once

namespace qpa::qt {

// The lines one wheel notch scrolls as the desktop sets it, which Qt's platform theme reads from
// the desktop's own settings (3 where it has none). Needs the application object.
int wheelScrollLines();

}  // namespace qpa::qt
