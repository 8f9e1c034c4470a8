#pragma once
#include "ports/Desktop.h"

namespace qpa {

// Ctrl+Shift+T from the key states a low-level keyboard hook reads at each key event, where the
// desktop grants key states rather than chords (Windows). The decision rests on the key states
// alone, not on the event reported: Ctrl held now, Shift held or pressed since last asked, T down
// and pressed since last asked, once per press of T.
class ChordRule final {
  public:
    // True when this key event completes the chord.
    bool completes(const ChordKeys& keys);

  private:
    bool armed_ = true;  // false from a chord until T is seen up again
};

}  // namespace qpa
