// What the GNOME adapters decide from the Shell's answers: which build of the extension a Shell
// loads, what its state means for the program, which copy is older, how the enabled list grows,
// and the direction of a step.
#include <gtest/gtest.h>

#include "platform/gnome/GnomeRules.h"

using namespace qpa::gnome;

TEST(GnomeRules, EachShellVersionGetsTheBuildItLoads) {
    const std::pair<const char*, const char*> rows[] = {
        {"43.9", kLegacyExtension}, {"44.beta", kLegacyExtension}, {"45.0", kModuleExtension},
        {"48.1", kModuleExtension}, {"50", kModuleExtension},      {"", kModuleExtension},
    };
    for (const auto& [version, uuid] : rows)
        EXPECT_EQ(extensionFor(QString::fromLatin1(version)), QString::fromLatin1(uuid)) << version;
}

// The Shell's numbers for each meaning; those not listed are switched off, as 2 is.
TEST(GnomeRules, TheShellsExtensionStatesMeanWhatTheProgramDoes) {
    using enum ExtensionState;
    const std::pair<double, ExtensionState> rows[] = {{1, Running}, {8, Running},  {2, Off},
                                                      {3, Failed},  {4, Outdated}, {99, Unknown}};
    for (const auto& [state, meaning] : rows)
        EXPECT_EQ(extensionState({{QStringLiteral("state"), state}}), meaning) << state;
    EXPECT_EQ(extensionState({}), Unknown);  // the Shell never saw it
}

// An older copy in the user's folder is told by its metadata's version; one without is oldest.
TEST(GnomeRules, AnExtensionsVersionComesFromItsMetadata) {
    const std::pair<const char*, int> rows[] = {
        {R"({"uuid": "a@b", "version": 3})", 3}, {R"({"uuid": "a@b"})", 0}, {"not json", 0}};
    for (const auto& [metadata, version] : rows) EXPECT_EQ(metadataVersion(metadata), version);
}

TEST(GnomeRules, OurExtensionJoinsTheEnabledListOnce) {
    const QString ours = QStringLiteral("ours@x");
    const std::pair<const char*, const char*> rows[] = {
        {"@as []", "['ours@x']"},
        {"['a@b']\n", "['a@b', 'ours@x']"},
        {"['a@b', 'ours@x']", ""},  // there already: nothing to write
    };
    for (const auto& [printed, written] : rows)
        EXPECT_EQ(enabledListWith(QString::fromLatin1(printed), ours), QString::fromLatin1(written))
            << printed;
}

// GNOME counts notches downwards; the program's delta grows away from the user.
TEST(GnomeRules, DeltasBecomeNotchesDownwardsAndWindowsTheirFacts) {
    const std::pair<std::int32_t, int> rows[] = {
        {-120, 1}, {120, -1}, {-1125, 9}, {75, -1}, {0, 0}};
    for (const auto& [delta, notches] : rows) EXPECT_EQ(notchesDown(delta), notches) << delta;
    const ShellWindow window{7, QStringLiteral("Doc"), 42, true, true};
    const qpa::WindowFacts facts = factsOf(window, 42);
    EXPECT_EQ(facts.handle, 7);
    EXPECT_EQ(facts.title, L"Doc");
    EXPECT_TRUE(facts.visible && facts.canMaximise && facts.ours);
    EXPECT_FALSE(factsOf(window, 43).ours);
}
