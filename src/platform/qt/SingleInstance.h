#pragma once
#include <QLocalServer>
#include <QString>
#include <functional>

namespace qpa::qt {

// One program per desktop session. Two would both hear the toggle chord and both scroll the same
// windows, and once their switches differed no chord could stop both. The first program listens
// on a local socket named after the display; a later one connects, asks it to come forward and
// ends.
class SingleInstance final {
  public:
    SingleInstance();
    // True when this is the session's only program: it now answers later starts with `comeForward`.
    // False when another one runs; that one has been asked to come forward.
    bool claim(std::function<void()> comeForward);

  private:
    bool askRunningProgram();

    QString name_;  // the socket's full path
    QLocalServer server_;
    std::function<void()> comeForward_;
};

}  // namespace qpa::qt
