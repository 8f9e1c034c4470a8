#pragma once
#include <string>

#include "ports/Desktop.h"

namespace qpa {

// The logon start-up entry of the running program (mStartUp): named after its file, its command
// the quoted full path. The machine-wide list is tried first, then the user's own.
class StartupEntry {
  public:
    explicit StartupEntry(StartupRegistry& registry) : registry_(registry) {}
    enum class Result { Added, ListsRefused, PathRefused };
    // Registers the program: ListsRefused when neither list could be written, PathRefused when
    // the lists cannot carry the program's path at all (then neither is tried).
    Result AddToStartup();
    // Removes the entry from both lists.
    void RemoveFromStartup();

  private:
    std::wstring entryName() const;
    StartupRegistry& registry_;
};

}  // namespace qpa
