#pragma once
#include <functional>
#include <string>

#include "ports/System.h"

namespace qpa {

// The procedures that carry the common error trap.
enum class Location {
    Form1_Form_Load,
    Form1_Form_QueryUnload,
    Form1_Timer1_Timer,
    Form1_PushButton2_Click,
    Form1_loadWindows,
    Form1_PushButton1_Click,
    Form1_PushButton7_Click,
    Form1_PushButton10_Click,
    Enum_SwitchToAndScroll,
    Enum_KnowScrollines,
};

// "in QuietPageAdvancer2021/08/31.<module>.<procedure> ", with the trailing blank.
std::wstring locationLabel(Location location);

// The prompt of the report: description, CR LF, label, "at line ", number, CR, CR, e-mail request.
std::wstring composeErrorPrompt(const std::wstring& description, Location location, int line);

// Shows the common error report: a warning box titled "Application Error".
class ErrorReporter {
  public:
    explicit ErrorReporter(Dialogs& dialogs) : dialogs_(dialogs) {}
    void show(Location location, int line, const std::wstring& description);

  private:
    Dialogs& dialogs_;
};

// The error trap of one procedure run. Each numbered step runs; a failure in it is reported with
// the step's line number and the procedure goes on with the next step. A procedure that lets
// events run may give a condition on which its remaining steps are skipped.
class Trap {
  public:
    Trap(ErrorReporter& reporter, Location location) : reporter_(reporter), location_(location) {}

    void stopWhen(std::function<bool()> condition) { stopWhen_ = std::move(condition); }
    bool stopped() const { return stopWhen_ && stopWhen_(); }

    template <class Step>
    void operator()(int line, Step&& step) noexcept {
        if (stopped()) return;
        try {
            step();
        } catch (...) {
            report(line);
        }
    }

  private:
    void report(int line) noexcept;  // reports the exception in flight
    ErrorReporter& reporter_;
    Location location_;
    std::function<bool()> stopWhen_;
};

// Describes the exception in flight in words a user can pass on.
std::wstring describeCurrentException();

}  // namespace qpa
