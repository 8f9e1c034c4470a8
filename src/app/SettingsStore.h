#pragma once
#include <string>

#include "ports/System.h"

namespace qpa {

// The thirteen stored settings, in the order start-up reads them.
enum class SettingKey {
    Option1,
    Option2,
    Option3,
    Option4,
    Option5,
    Option6,
    Option7,
    Option8,
    Text2,
    Text3,
    StartStopState,
    WindowsStartup,
    Minimized,
};
inline constexpr int kSettingCount = 13;

// The key's name in the store, for example "Windows Startup".
const wchar_t* settingName(SettingKey key);
// The text used when the key is absent, for example "1" for "Option1" and "Off" for "Minimized".
const wchar_t* settingDefault(SettingKey key);
constexpr SettingKey optionKey(int n) {
    return static_cast<SettingKey>(n - 1);
}

// "True" or "False".
std::wstring truthText(bool value);
// "True"/"False" in any letter case, or a number (0 is false); throws RuntimeError otherwise.
bool textToTruth(const std::wstring& text, wchar_t decimalSeparator);
// "On" or "Off".
std::wstring onOffText(bool on);
// True exactly for "On", letter case significant.
bool isOn(const std::wstring& text);

// The program's settings under application "Tervalinx" and the product's section.
class SettingsStore {
  public:
    explicit SettingsStore(SettingsBackend& backend) : backend_(backend) {}
    // The stored text, or the key's default when it is absent.
    std::wstring get(SettingKey key);
    // Stores the text; throws RuntimeError when the store refuses.
    void save(SettingKey key, const std::wstring& value);
    // The options' keys as truth values ("True"/"False").
    bool getTruth(SettingKey key, wchar_t decimalSeparator) {
        return textToTruth(get(key), decimalSeparator);
    }
    void saveTruth(SettingKey key, bool value) { save(key, truthText(value)); }
    // The On/Off keys.
    bool getOn(SettingKey key) { return isOn(get(key)); }
    void saveOn(SettingKey key, bool on) { save(key, onOffText(on)); }

  private:
    SettingsBackend& backend_;
};

}  // namespace qpa
