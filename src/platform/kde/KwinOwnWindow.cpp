#include "platform/kde/KwinOwnWindow.h"

#include <unistd.h>

#include <QTimer>

#include "platform/qt/Utf8.h"

namespace qpa::kde {

KwinOwnWindow::KwinOwnWindow(KwinConnection& kwin, const std::wstring& title,
                             std::function<void()> minimised)
    : kwin_(kwin),
      title_(qt::toUtf8(title)),
      minimised_(std::move(minimised)),
      notifier_(kwin.wayland().fd(), QSocketNotifier::Read) {
    kwin_.setStateListener([this](const KwinWindow& window) {
        if (window.pid != static_cast<std::uint32_t>(::getpid()) || window.title != title_ ||
            !window.has(ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED)) {
            return;
        }
        // Later, on the GUI thread's own turn: this may come in the middle of a scroll step.
        QTimer::singleShot(0, this, [this] { minimised_(); });
    });
    connect(&notifier_, &QSocketNotifier::activated, this, [this] {
        if (!kwin_.wayland().readAvailable()) notifier_.setEnabled(false);  // KWin has gone
    });
}

}  // namespace qpa::kde
