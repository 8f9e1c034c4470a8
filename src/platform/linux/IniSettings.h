#pragma once
#include "ports/System.h"

namespace qpa::qt {

// Settings in ~/.config/<application>/<section>.ini through QSettings, written atomically.
class IniSettings final : public SettingsBackend {
  public:
    std::optional<std::wstring> read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override;
    void write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override;
};

}  // namespace qpa::qt
