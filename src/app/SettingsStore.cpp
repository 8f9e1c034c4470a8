#include "app/SettingsStore.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string_view>

#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "core/Texts.h"

namespace qpa {

namespace {
struct SettingDefinition {
    SettingKey key;
    const wchar_t* name;
    const wchar_t* defaultText;
};

constexpr std::array<SettingDefinition, kSettingCount> kSettings{{
    {SettingKey::Option1, L"Option1", L"1"},
    {SettingKey::Option2, L"Option2", L"0"},
    {SettingKey::Option3, L"Option3", L"0"},
    {SettingKey::Option4, L"Option4", L"0"},
    {SettingKey::Option5, L"Option5", L"0"},
    {SettingKey::Option6, L"Option6", L"0"},
    {SettingKey::Option7, L"Option7", L"1"},
    {SettingKey::Option8, L"Option8", L"0"},
    {SettingKey::Text2, L"Text2", L"0"},
    {SettingKey::Text3, L"Text3", L"2"},
    {SettingKey::StartStopState, L"StartStopState", L"Off"},
    {SettingKey::WindowsStartup, L"Windows Startup", L"Off"},
    {SettingKey::Minimized, L"Minimized", L"Off"},
}};

const SettingDefinition& definition(SettingKey key) {
    return kSettings.at(static_cast<std::size_t>(key));
}

bool equalsIgnoringCase(std::wstring_view text, std::wstring_view word) {
    return std::ranges::equal(
        text, word, [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
}

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}
}  // namespace

const wchar_t* settingName(SettingKey key) {
    return definition(key).name;
}
const wchar_t* settingDefault(SettingKey key) {
    return definition(key).defaultText;
}

std::wstring truthText(bool value) {
    return value ? L"True" : L"False";
}

bool textToTruth(const std::wstring& text, wchar_t decimalSeparator) {
    const std::wstring word = trimmed(text);
    if (equalsIgnoringCase(word, L"true")) return true;
    if (equalsIgnoringCase(word, L"false")) return false;
    if (const auto number = parseDecimal(text, decimalSeparator)) return *number != 0.0;
    throw RuntimeError(kTypeMismatch);
}

std::wstring onOffText(bool on) {
    return on ? L"On" : L"Off";
}
bool isOn(const std::wstring& text) {
    return text == L"On";
}

std::wstring SettingsStore::get(SettingKey key) {
    auto stored =
        backend_.read(texts::kSettingsApplication, texts::kSettingsSection, settingName(key));
    return stored ? *std::move(stored) : std::wstring(settingDefault(key));
}

void SettingsStore::save(SettingKey key, const std::wstring& value) {
    backend_.write(texts::kSettingsApplication, texts::kSettingsSection, settingName(key), value);
}

}  // namespace qpa
