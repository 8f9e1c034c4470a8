#include "desktop/ChordRule.h"

namespace qpa {

bool ChordRule::completes(const ChordKeys& keys) {
    if (!keys.control.down || !(keys.shift.down || keys.shift.pressedSinceAsked)) return false;
    // The "pressed since asked" mark alone also stays from ordinary typing, and then one chord
    // toggled twice: T must be down as well, and one press of T toggles once.
    if (!keys.t.down) armed_ = true;
    if (!keys.t.pressedSinceAsked || !keys.t.down || !armed_) return false;
    armed_ = false;
    return true;
}

}  // namespace qpa
