#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <string>

#include "platform/qt/EndWatcher.h"
#include "platform/sway/ChordOwners.h"
#include "platform/sway/ChordWatcher.h"
#include "platform/sway/SwayIpc.h"
#include "ports/Desktop.h"

namespace qpa::sway {

// The toggle chord as a sway binding of our own: sway recognises Ctrl+Shift+T (and keeps it from
// the focused application) and reports each press as a binding event, read on the GUI thread.
// Closing gives the chord back to whoever had it before (ChordOwners), and so does a watcher
// process when this one dies without closing.
class SwayHotkey final : public QObject, public KeyboardHook {
  public:
    explicit SwayHotkey(const std::string& swaySocket);
    ~SwayHotkey() override;

    bool install(KeyEvents& events) override;
    void uninstall() override;

  private:
    void readEvents();

    ChordOwners owners_;
    SwayIpc events_;
    qt::EndWatcher watcher_{kChordWatcherArgument};
    std::string command_;  // what the binding runs: a no-op that names this process
    std::unique_ptr<QSocketNotifier> notifier_;
    KeyEvents* sink_ = nullptr;
};

}  // namespace qpa::sway
