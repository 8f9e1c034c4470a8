#pragma once
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "ports/System.h"

namespace qpa::qt {

// Settings in ~/.config/<application>/<section>.ini through QSettings, written atomically. Each
// file is read once and kept open for the program's life: a read asks the copy in memory, a write
// stores it and writes the file. A file that is there but cannot be read is never written over:
// its settings are the defaults, and changes are kept in memory only.
class IniSettings final : public SettingsBackend {
  public:
    IniSettings();
    ~IniSettings() override;
    std::optional<std::wstring> read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override;
    void write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override;
    // The full name of a settings file that is there but could not be read, or an empty text.
    std::wstring unreadableFile() const;

  private:
    struct File;
    File& file(const std::wstring& application, const std::wstring& section);
    std::map<std::pair<std::wstring, std::wstring>, std::unique_ptr<File>> files_;
};

}  // namespace qpa::qt
