#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace qpa::qt {

// Turns SIGTERM, SIGINT and SIGHUP (a session manager's or service manager's stop, Ctrl+C, a
// closed terminal) into a call on the GUI thread, so that the program ends through its usual
// close path rather than dying with its hook, its tray icon or a desktop binding left behind.
// The signal handler only writes a byte to a pipe; a QSocketNotifier reads it. One at a time.
class QuitOnSignals final : public QObject {
  public:
    explicit QuitOnSignals(std::function<void()> quit);
    ~QuitOnSignals() override;  // the signals' default actions again
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

  private:
    void drain();

    std::function<void()> quit_;
    int readEnd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace qpa::qt
