// Fuzz targets for every function that reads text a user or a stored file can supply. Built with
// libFuzzer by tests/fuzz/run; FUZZ_TARGET picks the function.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "app/SettingsStore.h"
#include "engine/Schedule.h"
#include "platform/linux/X11Rules.h"
#if FUZZ_TARGET == 5
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "platform/linux/IniSettings.h"
#endif

namespace {
std::wstring textOf(const std::uint8_t* data, std::size_t size) {
    return qpa::x11::decodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
}
void require(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text = textOf(data, size);
#if FUZZ_TARGET == 1  // a stored option's text as a truth value
    try {
        const bool value = qpa::textToTruth(text, L'.');
        require(qpa::truthText(value) == (value ? L"True" : L"False"));
    } catch (const qpa::RuntimeError&) {
    }
#elif FUZZ_TARGET == 2  // the numeric test of a field, in two locales
    for (wchar_t separator : {L'.', L','}) {
        const auto number = qpa::parseDecimal(text, separator);
        require(number.has_value() == qpa::isNumeric(text, separator));
        if (number) {
            try {
                (void)qpa::roundToInt32(*number);
            } catch (const qpa::RuntimeError&) {
            }
        }
    }
#elif FUZZ_TARGET == 3  // the period from the two field texts
    const auto split = text.find(L'\n');
    try {
        (void)qpa::periodFromFields(text.substr(0, split),
                                    split == std::wstring::npos ? L"" : text.substr(split + 1), L'.');
    } catch (const qpa::RuntimeError&) {
    }
    (void)qpa::FormatCountdown(static_cast<std::int32_t>(size * 2654435761u));
#elif FUZZ_TARGET == 4  // an X window title
    const std::wstring latin = qpa::x11::decodeLatin1(
        std::string_view(reinterpret_cast<const char*>(data), size));
    require(latin.size() == size);
    for (wchar_t c : text) require(static_cast<std::uint32_t>(c) <= 0x10FFFF);
#elif FUZZ_TARGET == 5  // the settings file as a user or a broken disk may leave it
    (void)text;
    static const std::filesystem::path folder = [] {
        char pattern[] = "/tmp/qpa-fuzz-settings.XXXXXX";
        const std::filesystem::path home = ::mkdtemp(pattern);
        ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        std::filesystem::create_directories(home / "Tervalinx");
        return home / "Tervalinx";
    }();
    static long version = 0;
    const std::filesystem::path file =
        folder / "Velloranth Quiet Page Advancer For Your Desktop.ini";
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    // QSettings keeps a parsed file until its time stamp changes: give every input its own.
    const timespec stamp{1'000'000'000 + ++version, 0};
    const timespec stamps[2] = {stamp, stamp};
    ::utimensat(AT_FDCWD, file.c_str(), stamps, 0);
    qpa::qt::IniSettings backend;
    qpa::SettingsStore store(backend);
    for (int i = 0; i < qpa::kSettingCount; ++i) {
        const auto key = static_cast<qpa::SettingKey>(i);
        const std::wstring value = store.get(key);
        try {
            (void)qpa::textToTruth(value, L'.');
        } catch (const qpa::RuntimeError&) {
        }
        (void)qpa::isNumeric(value, L'.');
        (void)qpa::isOn(value);
    }
#endif
    return 0;
}
