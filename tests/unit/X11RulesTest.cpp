#include <gtest/gtest.h>

#include "platform/linux/X11Rules.h"

using namespace qpa::x11;

TEST(X11Rules, WheelDeltasBecomeWholeNotches) {
    const std::pair<std::int32_t, int> rows[] = {
        {0, 0}, {75, 1}, {-75, 1}, {59, 1}, {180, 2}, {225, 2}, {-1125, 9}, {1125, 9}, {32767, 273},
    };
    for (const auto& [delta, clicks] : rows) EXPECT_EQ(wheelClicks(delta), clicks) << delta;
    EXPECT_EQ(wheelButton(75), 4u);
    EXPECT_EQ(wheelButton(-75), 5u);
}

TEST(X11Rules, TitlesDecodeFromUtf8AndLatin1) {
    EXPECT_EQ(decodeUtf8("Plain"), L"Plain");
    EXPECT_EQ(decodeUtf8("\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD"), L"\u00e9t\u00e9 \u4e2d");
    EXPECT_EQ(decodeUtf8("\xF0\x9F\x93\x96"), std::wstring(1, static_cast<wchar_t>(0x1F4D6)));
    EXPECT_EQ(decodeUtf8("a\xFF"
                         "b"),
              L"a\uFFFDb");
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");            // overlong
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");  // a surrogate
    EXPECT_EQ(decodeUtf8("\xE4\xB8"), L"\uFFFD\uFFFD");            // cut short
    EXPECT_EQ(decodeLatin1("caf\xE9"), L"caf\u00e9");
}

TEST(X11Rules, StyleBitsFromTheWindowManagersHints) {
    struct Row {
        bool listed, withdrawn, horizontal, vertical;
        std::uint32_t style;
    };
    const Row rows[] = {
        {true, false, true, true, 0x10010000},    // an ordinary window
        {true, false, true, false, 0x10000000},   // fixed height: no maximise box
        {true, false, false, false, 0x10000000},  // fixed size
        {false, false, true, true, 0x00010000},   // not listed: not visible
        {true, true, true, true, 0x00010000},     // withdrawn
    };
    for (const Row& r : rows)
        EXPECT_EQ(styleBits(r.listed, r.withdrawn, r.horizontal, r.vertical), r.style);
}
