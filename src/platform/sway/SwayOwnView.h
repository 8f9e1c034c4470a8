#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <string>

#include "platform/sway/SwayIpc.h"

namespace qpa::sway {

// Keeps this program's main window tiled on sway. sway floats a window of a fixed size (ours)
// above the tiled ones, in the middle of the output: over the document being read whenever the
// window is shown while switched On. Tiled, it stands beside (below) the document instead. It is
// tiled whenever it is shown floating: mapped (at start, back from the tray) or focused (back
// from the scratchpad).
class SwayOwnView final : public QObject {
  public:
    SwayOwnView(const std::string& swaySocket, std::wstring title);

  private:
    void readEvents();

    SwayIpc commands_, events_;
    std::wstring title_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace qpa::sway
