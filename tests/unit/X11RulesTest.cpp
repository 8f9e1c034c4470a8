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

TEST(X11Rules, TextRoundTripsThroughUtf8) {
    for (const std::wstring& text : {std::wstring(L"Plain"), std::wstring(L"\u00e9t\u00e9 \u4e2d"),
                                     std::wstring(1, static_cast<wchar_t>(0x1F4D6)),
                                     std::wstring(L"\u07ff\u0800\uffff")})
        EXPECT_EQ(decodeUtf8(encodeUtf8(text)), text);
    EXPECT_EQ(encodeUtf8(L"\u00e9"), "\xC3\xA9");
}
