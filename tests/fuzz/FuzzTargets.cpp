// Fuzz target for what reads text a stored file or a user supplies: arbitrary bytes as the settings
// file, read through QSettings, and each stored text through every reader a field or option uses.
// Built with libFuzzer by tests/fuzz/run.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/SettingsStore.h"
#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "engine/Schedule.h"
#include "platform/linux/IniSettings.h"

namespace {
// None may crash, and a number read is one the rounding can judge.
void readAll(const std::wstring& text) {
    for (const wchar_t separator : {L'.', L','}) {
        try {
            if (const auto number = qpa::parseDecimal(text, separator))
                (void)qpa::FormatCountdown(qpa::roundToInt32(*number));
            (void)qpa::textToTruth(text, separator);
            (void)qpa::periodFromFields(text, text, separator);
        } catch (const qpa::RuntimeError&) {
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
    for (int i = 0; i < qpa::kSettingCount; ++i)
        readAll(store.get(static_cast<qpa::SettingKey>(i)));
    return 0;
}
