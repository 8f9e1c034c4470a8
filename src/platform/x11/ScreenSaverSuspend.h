#pragma once
#include "platform/x11/X11Display.h"
#include "ports/Desktop.h"

namespace qpa::x11 {

// Suspends the X screen saver (and with it the display's power saving) while asked to.
class ScreenSaverSuspend final : public DisplayKeeper {
  public:
    void keepAwake(bool awake) override;

  private:
    UniqueDisplay display_;
};

}  // namespace qpa::x11
