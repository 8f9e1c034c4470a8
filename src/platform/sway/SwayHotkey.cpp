#include "platform/sway/SwayHotkey.h"

#include <unistd.h>

#include "platform/sway/SwayReplies.h"

namespace qpa::sway {

SwayHotkey::SwayHotkey(const std::string& swaySocket)
    : owners_(swaySocket), events_(swaySocket), command_(chordCommand(::getpid())) {}

SwayHotkey::~SwayHotkey() {
    uninstall();  // a binding left behind would swallow the chord in every application
}

bool SwayHotkey::install(KeyEvents& events) {
    uninstall();
    const auto subscribed = events_.request(ipc::kSubscribe, R"(["binding","workspace"])");
    if (!subscribed || !succeeded(*subscribed) || !owners_.bind(::getpid())) {
        events_.close();
        return false;
    }
    watcher_.start();  // gives the chord back should this process die without closing
    sink_ = &events;
    notifier_ = std::make_unique<QSocketNotifier>(events_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
    readEvents();  // events that came with the subscription's answer
    return true;
}

void SwayHotkey::uninstall() {
    if (!sink_) return;
    sink_ = nullptr;
    notifier_.reset();
    events_.close();
    owners_.release(::getpid());
}

void SwayHotkey::readEvents() {
    const bool open = events_.readAvailable();
    while (auto event = events_.nextEvent()) {
        if (event->type == ipc::kBindingEvent) {
            if (sink_ && ranBindingCommand(event->payload) == command_) sink_->chord();
        } else if (event->type == ipc::kWorkspaceEvent && isConfigReload(event->payload)) {
            owners_.bindAgainIfHeld(::getpid());  // a reload drops the bindings made at run time
        }
    }
    if (!open) notifier_->setEnabled(false);  // sway has gone
}

}  // namespace qpa::sway
