#pragma once

namespace qpa::qt {

// Answers --help and --version on standard output before anything starts (no display, no
// window, no settings). Returns true when one was answered and the program should end.
// Any other argument is left to Qt (-platform and the like) and otherwise ignored.
bool answeredInformationalOption(int argc, char** argv);

}  // namespace qpa::qt
