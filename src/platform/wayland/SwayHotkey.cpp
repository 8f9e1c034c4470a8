#include "platform/wayland/SwayHotkey.h"

#include <unistd.h>

#include "platform/wayland/SwayReplies.h"

namespace qpa::wayland {

namespace {
constexpr const char* kChord = "ctrl+shift+t";
}  // namespace

SwayHotkey::SwayHotkey(const std::string& swaySocket)
    : commands_(swaySocket),
      events_(swaySocket),
      command_("nop quiet-page-advancer-toggle-" + std::to_string(::getpid())) {}

SwayHotkey::~SwayHotkey() {
    uninstall();  // a binding left behind would swallow the chord in every application
}

bool SwayHotkey::bind() {
    // --no-repeat: a held chord toggles once.
    return commands_.run(std::string("bindsym --no-repeat ") + kChord + " " + command_);
}

bool SwayHotkey::install(KeyEvents& events) {
    uninstall();
    const auto subscribed = events_.request(ipc::kSubscribe, R"(["binding","workspace"])");
    if (!subscribed || !succeeded(*subscribed) || !bind()) {
        events_.close();
        return false;
    }
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
    commands_.run(std::string("unbindsym ") + kChord);
    commands_.close();
}

void SwayHotkey::readEvents() {
    const bool open = events_.readAvailable();
    while (auto event = events_.nextEvent()) {
        if (event->type == ipc::kBindingEvent) {
            if (sink_ && ranBindingCommand(event->payload) == command_) sink_->chord();
        } else if (event->type == ipc::kWorkspaceEvent && isConfigReload(event->payload)) {
            bind();  // a reload drops the bindings made at run time
        }
    }
    if (!open) notifier_->setEnabled(false);  // sway has gone
}

}  // namespace qpa::wayland
