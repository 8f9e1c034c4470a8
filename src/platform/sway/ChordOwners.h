#pragma once
#include <string>

#include "platform/sway/ChordRules.h"
#include "platform/sway/SwayIpc.h"

namespace qpa::sway {

// The Ctrl+Shift+T binding on one sway, shared by every program of ours there and the user's
// configuration: the programs that bound it are kept, oldest first, in a file beside sway's
// runtime files, read and changed under a lock together with the binding itself. A program that
// goes hands the chord back to the one that held it before, or to the user's own binding; a
// program never touches a binding another live one made after it.
class ChordOwners {
  public:
    explicit ChordOwners(const std::string& swaySocket);

    // Binds the chord for `own`, in front of the others. False when sway refused.
    bool bind(Pid own);
    // After a configuration reload (which drops bindings made at run time): binds it again when
    // `own` still holds it.
    void bindAgainIfHeld(Pid own);
    // `leaving` gives the chord up: what it held goes back to the one before it.
    void release(Pid leaving);

  private:
    template <typename Change>
    void underLock(Change change);

    SwayIpc ipc_;
    std::string path_;  // the owners' file
};

}  // namespace qpa::sway
