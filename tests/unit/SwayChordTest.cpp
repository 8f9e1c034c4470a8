// sway's Ctrl+Shift+T shared with the user's configuration and with other programs of ours: the
// user's binding read back from the configuration text, the owners' hand-over, and when our own
// window is tiled.
#include <gtest/gtest.h>

#include <set>

#include "platform/sway/ChordRules.h"
#include "platform/sway/SwayReplies.h"

using namespace qpa::sway;

TEST(SwayChord, TheUsersBindingIsReadFromTheConfiguration) {
    struct Row {
        const char* config;
        std::optional<std::string> binding;
    };
    const Row rows[] = {
        {"bindsym ctrl+shift+t exec firefox", R"(bindsym ctrl+shift+t "exec firefox")"},
        {"  BindSym Shift+Control+T exec a; exec b\n", R"(bindsym ctrl+shift+t "exec a; exec b")"},
        {"set $m Control+Shift\nbindsym --no-repeat --no-warn $m+t exec notify-send \"hi there\"",
         R"(bindsym --no-repeat ctrl+shift+t 'exec notify-send "hi there"')"},
        {"bindsym {\n  ctrl+shift+t \\\n    exec one\n}", R"(bindsym ctrl+shift+t "exec one")"},
        {"bindsym ctrl+shift+t exec one\nbindsym ctrl+shift+t exec two",
         R"(bindsym ctrl+shift+t "exec two")"},  // the later one replaced the earlier
        {"#bindsym ctrl+shift+t exec one", std::nullopt},
        {"mode resize {\n bindsym ctrl+shift+t exec one\n}", std::nullopt},  // another mode
        {"bindsym --release ctrl+shift+t exec one", std::nullopt},  // another slot than ours
        {"bindsym --to-code ctrl+shift+t exec one", std::nullopt},
        {"bindsym ctrl+t exec one\nbindsym ctrl+shift+alt+t exec two\nbindsym shift+t exec x",
         std::nullopt},
        {"bindcode ctrl+shift+28 exec one", std::nullopt},
        {"bindsym ctrl+shift+t exec echo \"a\" 'b'", std::nullopt},  // no quoting keeps it whole
        {"bindsym ctrl+shift+t", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(userChordBinding(row.config), row.binding) << row.config;
}

TEST(SwayChord, TheChordGoesBackToTheLiveOwnerBeforeOrToTheUser) {
    using To = Handover::To;
    const std::set<Pid> live{10, 20, 30};
    const IsAlive alive = [&live](Pid pid) { return live.count(pid) > 0; };
    struct Row {
        std::vector<Pid> owners;
        Pid leaving;
        To to;
        Pid owner;
        std::vector<Pid> left;
    };
    const Row rows[] = {
        {{10}, 10, To::User, 0, {}},
        {{10, 20}, 20, To::Owner, 10, {10}},
        {{10, 20}, 10, To::Nobody, 0, {20}},      // 20 bound it after: not 10's to touch
        {{10, 99, 20}, 20, To::Owner, 10, {10}},  // 99 died without a word: left out
        {{10, 20, 99}, 20, To::Owner, 10, {10}},  // 99 held it but is dead: 20's again
        {{99}, 99, To::User, 0, {}},              // a killed owner, released by its watcher
        {{10}, 20, To::Nobody, 0, {10}},          // released already (closed, then its watcher)
        {{}, 10, To::Nobody, 0, {}},
    };
    for (const Row& row : rows) {
        const Handover h = handoverFrom(row.owners, row.leaving, alive);
        EXPECT_EQ(h.to, row.to) << row.leaving;
        EXPECT_EQ(h.owner, row.owner) << row.leaving;
        EXPECT_EQ(h.owners, row.left) << row.leaving;
    }
    EXPECT_EQ(ownersAfterBinding({10, 99, 30, 20}, 30, alive), (std::vector<Pid>{10, 20, 30}));
    EXPECT_TRUE(holdsChord({10, 20, 99}, 20, alive));
    EXPECT_FALSE(holdsChord({10, 20}, 10, alive));
    EXPECT_EQ(parseOwners(formatOwners({10, 20}) + "junk\n-3\n\n30"),
              (std::vector<Pid>{10, 20, 30}));
}

TEST(SwayChord, OurWindowIsTiledWhenShownFloating) {
    const auto event = [](const char* change, const char* type, int pid, const char* name) {
        return std::string(R"({"change":")") + change + R"(","container":{"id":7,"type":")" + type +
               R"(","pid":)" + std::to_string(pid) + R"(,"name":")" + name + "\"}}";
    };
    struct Row {
        std::string event;
        bool tiled;
    };
    const Row rows[] = {
        {event("new", "con", 5, "Ours"), true},
        {event("title", "floating_con", 5, "Ours"), true},
        {event("focus", "floating_con", 5, "Ours"), true},
        {event("focus", "con", 5, "Ours"), false},  // already tiled
        {event("title", "con", 5, "Ours"), false},
        {event("floating", "floating_con", 5, "Ours"), false},  // on its way to the scratchpad
        {event("new", "con", 6, "Ours"), false},
        {event("new", "con", 5, "A message"), false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ownViewToTile(row.event, 5, L"Ours"),
                  row.tiled ? std::optional<std::int64_t>(7) : std::nullopt)
            << row.event;
}
