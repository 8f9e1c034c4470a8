#pragma once
#include <string>

#include "platform/DesktopPorts.h"

namespace qpa {

// The logon start-up entry of the running program: named after its file, its command the quoted
// full path. The machine-wide list is tried first, then the user's own.
class StartupEntry {
  public:
    explicit StartupEntry(StartupRegistry& registry) : registry_(registry) {}
    // Registers the program; false when neither list could be written.
    bool AddToStartup();
    // Removes the entry from both lists.
    void RemoveFromStartup();

    std::wstring entryName() const;
    std::wstring command() const;

  private:
    StartupRegistry& registry_;
};

}  // namespace qpa
