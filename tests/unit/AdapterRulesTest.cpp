// The adapters' rules the scenarios cannot reach: the wheel's whole notches for any delta, the X11
// windows still the listed ones, sway's messages split across reads, and the aim past the windows
// above in every shape of overlap.
#include <gtest/gtest.h>

#include "platform/portable/WheelNotches.h"
#include "platform/qt/DesktopEntryText.h"
#include "platform/sway/IpcFraming.h"
#include "platform/sway/PointerRules.h"
#include "platform/x11/X11Rules.h"

using namespace qpa::sway;

TEST(PointerRules, WheelDeltasBecomeWholeNotches) {
    const std::pair<std::int32_t, int> rows[] = {
        {0, 0}, {75, 1}, {-75, 1}, {59, 1}, {180, 2}, {225, 2}, {-1125, 9}, {1125, 9}, {32767, 273},
    };
    for (const auto& [delta, clicks] : rows) EXPECT_EQ(qpa::wheelNotches(delta), clicks) << delta;
    EXPECT_EQ(qpa::x11::wheelButton(75), 4u);
    EXPECT_EQ(qpa::x11::wheelButton(-75), 5u);
}

TEST(X11Rules, AnIdDestroyedSinceTheListingIsNotListedUntilTheNextOne) {
    qpa::x11::ListedWindows listed;
    listed.list({0x1a00003, 0x1c00007});
    listed.destroyed(0x1a00003);  // and the next client's window may get this id
    listed.destroyed(0x2000001);  // never listed: nothing changes
    EXPECT_FALSE(listed.contains(0x1a00003));
    EXPECT_TRUE(listed.contains(0x1c00007));
    EXPECT_FALSE(listed.contains(0x2000001));
    listed.list({0x1a00003});
    EXPECT_TRUE(listed.contains(0x1a00003));
    EXPECT_FALSE(listed.contains(0x1c00007));
}

// Each path as the Exec line of an autostart entry holds it: quoted, with a backslash before
// " ` $ \ inside the quotes and % doubled, then the file's own escapes (a backslash doubled).
TEST(DesktopEntryText, APathIsQuotedAndEscapedOrRefused) {
    const std::pair<std::wstring, std::optional<std::wstring>> rows[] = {
        {L"/opt/q/quiet", LR"("/opt/q/quiet")"},
        {L"/opt/a b/quiet", LR"("/opt/a b/quiet")"},
        {L"/opt/a\"b/quiet", LR"("/opt/a\\"b/quiet")"},
        {L"/opt/a$b/quiet", LR"("/opt/a\\$b/quiet")"},
        {L"/opt/a`b/quiet", LR"("/opt/a\\`b/quiet")"},
        {L"/opt/a\\b/quiet", LR"("/opt/a\\\\b/quiet")"},
        {L"/opt/Ünïcödé 中/quiet", LR"("/opt/Ünïcödé 中/quiet")"},
        {L"/opt/50%/quiet", LR"(/usr/bin/env "/opt/50%%/quiet")"},  // GLib finds env
        {L"/opt/a\nExec=x/quiet", std::nullopt},
        {L"/opt/a\tb/quiet", std::nullopt},
        {L"/opt/a\rb/quiet", std::nullopt},
        {L"/opt/a\x7f/quiet", std::nullopt},
        {L"/opt/a\x85/quiet", std::nullopt},
        {L"", std::nullopt},
    };
    for (const auto& [path, exec] : rows) EXPECT_EQ(qpa::qt::desktopEntryExec(path), exec);
    EXPECT_EQ(qpa::qt::desktopEntryString(L" a\\b\nc\td "), LR"(\sa\\b\nc\td )");
}

TEST(SwayRules, MessagesAreFramedAndCutOutHoweverTheReadsSplitThem) {
    EXPECT_EQ(encodeIpc(4, "ab"), std::string("i3-ipc\x02\0\0\0\x04\0\0\0ab", 16));
    const std::string stream = encodeIpc(ipc::kBindingEvent, R"({"change":"run"})") +
                               encodeIpc(ipc::kRunCommand, "") +
                               encodeIpc(7, std::string(70000, 'x'));
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{5}, std::size_t{14}, stream.size()}) {
        IpcReader reader;
        std::vector<IpcMessage> messages;
        for (std::size_t at = 0; at < stream.size(); at += chunk) {
            reader.feed(std::string_view(stream).substr(at, chunk));
            while (auto m = reader.next()) messages.push_back(*m);
        }
        ASSERT_EQ(messages.size(), 3u) << chunk;
        EXPECT_EQ(messages[0].type, ipc::kBindingEvent);
        EXPECT_EQ(messages[0].payload, R"({"change":"run"})");
        EXPECT_EQ(messages[1].payload, "");
        EXPECT_EQ(messages[2].payload.size(), 70000u);
        EXPECT_FALSE(reader.broken());
    }
    for (const std::string& bad : {std::string("i3-IPC\0\0\0\0\0\0\0\0", 14),
                                   std::string("i3-ipc\xff\xff\xff\xff\0\0\0\0", 14)}) {
        IpcReader reader;
        reader.feed(bad + encodeIpc(0, "{}"));
        EXPECT_FALSE(reader.next());
        EXPECT_TRUE(reader.broken());
    }
}

TEST(PointerRules, TheWheelIsAimedPastTheWindowsAbove) {
    const Rect content{0, 0, 400, 300};
    struct Row {
        std::vector<Rect> above;
        std::optional<std::pair<int, int>> at;
    };
    const Row rows[] = {
        {{}, {{200, 150}}},
        {{{0, 0, 100, 100}}, {{200, 150}}},     // the centre is free
        {{{100, 100, 200, 100}}, {{200, 50}}},  // the first of the largest free parts
        {{{0, 40, 400, 120}}, {{200, 230}}},    // below is larger
        {{{150, 0, 100, 300}, {0, 0, 150, 300}}, {{325, 150}}},  // the right strip
        {{{-50, -50, 500, 400}}, std::nullopt},                  // wholly covered: nowhere
    };
    for (const Row& row : rows) {
        const auto p = qpa::aim::uncoveredPoint(content, row.above);
        EXPECT_EQ(p ? std::optional(std::make_pair(p->x, p->y)) : std::nullopt, row.at);
    }
    // Sway aims a wholly covered view at its centre; X11 leaves the step out.
    const Point centre = aimPoint(content, rows[5].above);
    EXPECT_EQ(std::make_pair(centre.x, centre.y), std::make_pair(200, 150));
    EXPECT_FALSE(qpa::aim::uncoveredPoint({10, 10, 0, 50}, {}));
    // The content clipped to the screen; rectangles that only touch, or lie apart one way, share
    // nothing.
    const std::pair<Rect, std::tuple<int, int, int, int>> clips[] = {
        {{-100, 700, 400, 300}, {0, 700, 300, 100}},
        {{1280, 0, 100, 100}, {0, 0, 0, 0}},
        {{100, 800, 100, 100}, {0, 0, 0, 0}},
        {{100, -300, 100, 100}, {0, 0, 0, 0}},
    };
    for (const auto& [rect, clipped] : clips) {
        const Rect r = qpa::aim::intersection(rect, {0, 0, 1280, 800});
        EXPECT_EQ(std::make_tuple(r.x, r.y, r.width, r.height), clipped);
    }
    const auto motion = absoluteMotion({700, 30}, {-1280, 0, 2560, 800});
    ASSERT_TRUE(motion);
    EXPECT_EQ(motion->x, 1980u);
    EXPECT_EQ(motion->width, 2560u);
    EXPECT_FALSE(absoluteMotion({1300, 30}, {-1280, 0, 2560, 800}));
}
