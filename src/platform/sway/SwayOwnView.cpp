#include "platform/sway/SwayOwnView.h"

#include <unistd.h>

#include "platform/sway/SwayReplies.h"

namespace qpa::sway {

SwayOwnView::SwayOwnView(const std::string& swaySocket, std::wstring title)
    : commands_(swaySocket), events_(swaySocket), title_(std::move(title)) {
    const auto subscribed = events_.request(ipc::kSubscribe, R"(["window"])");
    if (!subscribed || !succeeded(*subscribed)) {
        events_.close();
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(events_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
}

void SwayOwnView::readEvents() {
    const bool open = events_.readAvailable();
    while (auto event = events_.nextEvent()) {
        if (event->type != ipc::kWindowEvent) continue;
        // Below the others: a window much wider than tall, ours leaves the document the whole
        // width of the output, and takes half its height at most.
        if (const auto id = ownViewToTile(event->payload, ::getpid(), title_))
            commands_.run("[con_id=" + std::to_string(*id) + "] floating disable, move down");
    }
    if (!open) notifier_->setEnabled(false);  // sway has gone
}

}  // namespace qpa::sway
