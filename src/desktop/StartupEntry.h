#pragma once
#include <string>

#include "ports/Desktop.h"

namespace qpa {

// The logon start-up entry of the running program (mStartUp): named after its file, its command
// the quoted full path. The machine-wide list is tried first, then the user's own.
class StartupEntry {
  public:
    explicit StartupEntry(StartupRegistry& registry) : registry_(registry) {}
    // Registers the program; false when neither list could be written.
    bool AddToStartup();
    // Removes the entry from both lists.
    void RemoveFromStartup();

  private:
    std::wstring entryName() const;
    StartupRegistry& registry_;
};

}  // namespace qpa
