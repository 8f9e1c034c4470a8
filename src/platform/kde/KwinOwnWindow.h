#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <string>

#include "platform/kde/KwinConnection.h"

namespace qpa::kde {

// Tells when KWin minimises this program's own window (its title bar's button, the task bar):
// Wayland does not tell a client that it was minimised, KWin's window management does. Reads the
// connection's events on the GUI thread as they come.
class KwinOwnWindow final : public QObject {
  public:
    KwinOwnWindow(KwinConnection& kwin, const std::wstring& title, std::function<void()> minimised);

  private:
    KwinConnection& kwin_;
    std::string title_;  // UTF-8, as KWin says it
    std::function<void()> minimised_;
    QSocketNotifier notifier_;
};

}  // namespace qpa::kde
