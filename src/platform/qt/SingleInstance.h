#pragma once
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

#include "platform/qt/UniqueFd.h"

namespace qpa::qt {

// One program per desktop session. Two would both hear the toggle chord and both scroll the same
// windows, and once their switches differed no chord could stop both. The first program listens
// on a local socket named after the display; a later one connects, asks it to come forward and
// ends. Plain sockets, not Qt's local server: that one lives in Qt's network library, which
// would bring the system's proxy, TLS and Kerberos libraries into every program for one socket.
class SingleInstance final {
  public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the session's only program: it now answers later starts with `comeForward`.
    // False when another one runs; that one has been asked to come forward.
    bool claim(std::function<void()> comeForward);

  private:
    bool askRunningProgram() const;
    bool listen();
    void answerLaterStarts();

    QByteArray path_;  // the socket's full path, as the file system spells it
    UniqueFd listener_;
    std::unique_ptr<QSocketNotifier> laterStarts_;
    std::function<void()> comeForward_;
};

}  // namespace qpa::qt
