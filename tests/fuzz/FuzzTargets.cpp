// Fuzz targets for what reads text a user or a stored file supplies. Built with libFuzzer by
// tests/fuzz/run; FUZZ_TARGET picks the target: 1 the field and stored-option texts, 2 the
// settings file read through QSettings.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "app/SettingsStore.h"
#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "engine/Schedule.h"
#include "platform/linux/X11Rules.h"
#if FUZZ_TARGET == 2
#include "platform/linux/IniSettings.h"
#endif

namespace {
// Every reader of a text: none may crash, and a number read is one the rounding can judge.
void readAll(const std::wstring& text) {
    for (const wchar_t separator : {L'.', L','}) {
        if (const auto number = qpa::parseDecimal(text, separator)) {
            try {
                (void)qpa::textToTruth(text, separator);
                (void)qpa::FormatCountdown(qpa::roundToInt32(*number));
            } catch (const qpa::RuntimeError&) {
            }
        }
    }
    try {
        (void)qpa::textToTruth(text, L'.');
        (void)qpa::periodFromFields(text, text, L'.');
    } catch (const qpa::RuntimeError&) {
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if FUZZ_TARGET == 1
    readAll(qpa::x11::decodeUtf8(std::string_view(reinterpret_cast<const char*>(data), size)));
#else
    static const std::filesystem::path folder = [] {
        char pattern[] = "/tmp/qpa-fuzz-settings.XXXXXX";
        const std::filesystem::path home = ::mkdtemp(pattern);
        ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        std::filesystem::create_directories(home / "Tervalinx");
        return home / "Tervalinx";
    }();
    static long version = 0;
    const auto file = folder / "Velloranth Quiet Page Advancer For Your Desktop.ini";
    if (FILE* out = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    // QSettings keeps a parsed file until its time stamp changes: give every input its own.
    const timespec stamps[2] = {{1'000'000'000 + ++version, 0}, {1'000'000'000 + version, 0}};
    ::utimensat(AT_FDCWD, file.c_str(), stamps, 0);
    qpa::qt::IniSettings backend;
    qpa::SettingsStore store(backend);
    for (int i = 0; i < qpa::kSettingCount; ++i) readAll(store.get(static_cast<qpa::SettingKey>(i)));
#endif
    return 0;
}
