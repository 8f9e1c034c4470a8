// The KDE adapters' rules: KWin's stacking order front to back, where the target shows, the
// permission entry KWin reads, and one toggle a press of the chord however long it is held.
#include <gtest/gtest.h>

#include "platform/kde/KdeRules.h"

using namespace qpa::kde;

TEST(KdeRules, TheStackingOrderReadsFrontToBack) {
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"", {}},
        {"{a}", {"{a}"}},
        {"{a};{b};{c}", {"{c}", "{b}", "{a}"}},
        {"{a};;{b};", {"{b}", "{a}"}},  // empty fields are no windows
    };
    for (const auto& [ids, ordered] : rows) EXPECT_EQ(frontToBack(ids), ordered) << ids;
}

// KWin's answer, front to back: the frames in front of the target cover its content, those behind
// it do not; a target wholly covered or not in the answer gets no point.
TEST(KdeRules, TheWheelTurnsOnlyWhereTheTargetShows) {
    const std::string target = "t 0 0 100 100 0 20 100 80\n";  // a title bar 20 high
    const std::pair<std::string, std::optional<std::pair<int, int>>> rows[] = {
        {target, {{50, 60}}},
        {"popup 0 50 100 20 0 50 100 20\n" + target, {{50, 35}}},
        {"above 0 0 100 100 0 0 100 100\n" + target, std::nullopt},
        {target + "behind 0 0 100 100 0 0 100 100\n", {{50, 60}}},
        {"other 0 0 10 10 0 0 10 10\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [answer, point] : rows) {
        const auto at = pointShowing(answer, "t");
        EXPECT_EQ(at ? std::optional(std::pair(at->x, at->y)) : std::nullopt, point) << answer;
    }
}

// KWin splits Exec as QProcess::splitCommand does and compares the first word with the client's
// executable: any absolute path, quoted so (a quote three times, nothing else escaped), then with
// the file's own escapes. The message gives the same lines to save.
TEST(KdeRules, ThePermissionEntryNamesTheProgramAsKwinReadsIt) {
    const std::pair<std::wstring, std::optional<std::wstring>> rows[] = {
        {L"/usr/bin/quiet-page-advancer", LR"(Exec="/usr/bin/quiet-page-advancer")"},
        {L"/home/a b/$x `y` 50%/q", LR"(Exec="/home/a b/$x `y` 50%/q")"},
        {LR"(/a"b\c/q)", LR"(Exec="/a"""b\\c/q")"},
        {L"/opt/a\nb/q", LR"(Exec="/opt/a\nb/q")"},
        {L"relative/q", std::nullopt},
        {L"", std::nullopt},
    };
    for (const auto& [path, execLine] : rows) {
        const auto entry = permissionEntry(path);
        ASSERT_EQ(entry.has_value(), execLine.has_value()) << path;
        if (!entry) continue;
        EXPECT_NE(entry->find(L"\n" + *execLine + L"\n"), std::wstring::npos) << *entry;
        EXPECT_NE(entry->find(L"\nNoDisplay=true\n"), std::wstring::npos);  // not in the menu
        EXPECT_EQ(entry->find(L"\nName=\n"), std::wstring::npos);           // a name, as required
        const std::wstring message = kwinHidesWindowsMessage(entry);
        EXPECT_NE(message.find(L"\r\n" + *execLine + L"\r\n"), std::wstring::npos);
        EXPECT_NE(message.find(L"~/.local/share/applications"), std::wstring::npos);  // where
    }
    EXPECT_NE(kwinHidesWindowsMessage(std::nullopt).find(L"not UTF-8"), std::wstring::npos);
    // One entry file per program file: two copies never share one.
    EXPECT_NE(permissionFileName(L"/home/u/build/q"), permissionFileName(L"/usr/bin/q"));
}

// The shortcut service's signals in order ("p" pressed, "r" released): a toggle on each first one.
TEST(KdeRules, AHeldChordTogglesOnce) {
    const std::pair<std::string, int> rows[] = {
        {"p", 1}, {"pr", 1}, {"pprpr", 2}, {"pppppppppr", 1}, {"rp", 1}, {"prprpr", 3}, {"", 0},
    };
    for (const auto& [signals, toggles] : rows) {
        PressOnce rule;
        int toggled = 0;
        for (const char s : signals) {
            if (s == 'r')
                rule.released();
            else if (rule.pressed())
                ++toggled;
        }
        EXPECT_EQ(toggled, toggles) << signals;
    }
}
