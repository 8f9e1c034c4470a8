// The pieces every layer uses: numbers as users type them, truth values, the countdown, the
// period and its count, the common error report, the window's fit to its screen.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "app/SettingsStore.h"
#include "core/Layout.h"
#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "engine/Schedule.h"
#include "fakes/Fakes.h"

using namespace qpa;

TEST(Numbers, DecimalsAsUsersTypeThemAndRoundingHalvesToEvenWithin32Bits) {
    const std::tuple<const wchar_t*, wchar_t, std::optional<double>> rows[] = {
        {L"12", L'.', 12.0},          {L" 2.5 ", L'.', 2.5},        {L"-3", L'.', -3.0},
        {L"+4", L'.', 4.0},           {L".5", L'.', 0.5},           {L"1.", L'.', 1.0},
        {L"1,5", L',', 1.5},          {L"\t7\u00a0", L'.', 7.0},    {L"", L'.', std::nullopt},
        {L"  ", L'.', std::nullopt},  {L"12a", L'.', std::nullopt}, {L"1,5", L'.', std::nullopt},
        {L"-", L'.', std::nullopt},   {L".", L'.', std::nullopt},   {L"1.2.3", L'.', std::nullopt},
        {L"1 2", L'.', std::nullopt}, {L"1e5", L'.', std::nullopt}, {L"\x0661", L'.', std::nullopt},
    };
    for (const auto& [text, separator, value] : rows)
        EXPECT_EQ(parseDecimal(text, separator), value) << "[" << text << "]";
    const std::wstring huge(400, L'9');
    EXPECT_EQ(*parseDecimal(huge, L'.'), HUGE_VAL);
    EXPECT_EQ(*parseDecimal(L"-" + huge, L'.'), -HUGE_VAL);
    EXPECT_EQ(*parseDecimal(L"1" + std::wstring(400, L'0'), L'.'), HUGE_VAL);
    EXPECT_EQ(*parseDecimal(L"0." + std::wstring(400, L'0') + L"1", L'.'), 0.0);

    const std::pair<double, std::int32_t> rounded[] = {
        {0.5, 0}, {1.5, 2}, {-2.5, -2}, {2147483647.0, INT32_MAX}, {-2147483648.0, INT32_MIN}};
    for (const auto& [value, integer] : rounded) EXPECT_EQ(roundToInt32(value), integer);
    for (const double outside : {2147483648.0, -2147483649.0, std::nan("")})
        EXPECT_THROW(roundToInt32(outside), RuntimeError) << outside;
    EXPECT_EQ(integerText(-7) + integerText(4294967295LL) + integerText(LLONG_MIN),
              L"-74294967295-9223372036854775808");
}

TEST(Settings, TruthValuesInAnyCaseOrAsNumbersAndOnWithItsCase) {
    for (const wchar_t* yes : {L"True", L"tRUE", L" true ", L"1", L"-1", L"0.5"})
        EXPECT_TRUE(textToTruth(yes, L'.')) << yes;
    for (const wchar_t* no : {L"FALSE", L"0", L" 0 "}) EXPECT_FALSE(textToTruth(no, L'.')) << no;
    EXPECT_TRUE(textToTruth(L"0,5", L','));
    for (const wchar_t* bad :
         {L"", L"yes", L"On", L"Truex", L"Xrue", L"T", L"tru", L"\u00e9t\u00e9"})
        EXPECT_THROW(textToTruth(bad, L'.'), RuntimeError) << bad;
    EXPECT_TRUE(isOn(L"On"));
    for (const wchar_t* off : {L"on", L"ON", L"On ", L"Off"}) EXPECT_FALSE(isOn(off)) << off;
}

TEST(Schedule, CountdownPeriodAndCount) {
    const std::pair<std::int32_t, const wchar_t*> countdowns[] = {
        {0, L"00:00:00"},     {59, L"00:00:59"}, {3725, L"01:02:05"}, {36610, L"10:10:10"},
        {90000, L"01:00:00"}, {-1, L"00:00:01"}, {-90, L"00:01:30"},  {INT32_MIN, L"03:14:08"}};
    for (const auto& [seconds, text] : countdowns) EXPECT_EQ(FormatCountdown(seconds), text);
    const std::tuple<const wchar_t*, const wchar_t*, std::int32_t> periods[] = {
        {L"1.5", L"0", 90}, {L"0", L"0.5", 0}, {L"0", L"2.5", 2}, {L"-1", L"5", -55}};
    for (const auto& [minutes, seconds, period] : periods)
        EXPECT_EQ(periodFromFields(minutes, seconds, L'.'), period);
    EXPECT_THROW(periodFromFields(L"40000000", L"0", L'.'), RuntimeError);
    EXPECT_THROW(periodFromFields(L"x", L"0", L'.'), RuntimeError);
    EXPECT_THROW(periodFromFields(L"0", L"", L'.'), RuntimeError);
    // The count left: the period less the seconds elapsed, within 32 bits.
    EXPECT_EQ((Schedule{1, INT32_MIN + 1, 1}.remainingSeconds()), INT32_MIN);
    EXPECT_EQ((Schedule{0, INT32_MAX, 1}.remainingSeconds()), INT32_MAX);
    EXPECT_THROW((Schedule{1, INT32_MIN, 1}.remainingSeconds()), RuntimeError);
    EXPECT_THROW((Schedule{-1, INT32_MAX, 1}.remainingSeconds()), RuntimeError);
}

TEST(ErrorReport, ATrappedStepIsReportedWithItsLineAndTheProcedureGoesOn) {
    fakes::Journal journal;
    fakes::FakeDialogs dialogs(journal);
    ErrorReporter reporter(dialogs);
    Trap trap(reporter, Location::Form1_Timer1_Timer);
    int ran = 0;
    trap(100, [&] { throw RuntimeError(L"Overflow"); });
    trap(102, [&] { ++ran; });
    trap(104, [&] { throw std::bad_alloc(); });
    trap(106, [&] { throw 42; });
    trap.stopWhen([] { return true; });
    trap(108, [&] { ++ran; });
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(journal.take(L"report"),
              L"report Overflow, Timer1_Timer 100 | "
              L"report Out of memory, Timer1_Timer 104 | "
              L"report Unexpected failure, Timer1_Timer 106");
    // One line feed, after the description; the two breaks before the request are bare CRs.
    EXPECT_EQ(dialogs.last.prompt,
              L"Unexpected failure\r\nin QuietPageAdvancer2021/08/31.Form1.Timer1_Timer at line "
              L"106\r\rPlease email screenshot of this message to support@tervalinx.example");
    EXPECT_EQ(dialogs.last.title, L"Application Error");
    EXPECT_EQ(dialogs.last.kind, MessageKind::Warning);
}

TEST(Layout, TheWindowShrinksOnlyToFitItsScreenAndACaptionGrowsOnlyIntoFreeRoom) {
    // The screen's dots per inch, its work area and the window's frame give the window's.
    const std::tuple<int, int, int, int, int, int> screens[] = {
        {96, 1280, 800, 16, 48, 96},   {144, 1920, 1080, 16, 48, 144},
        {120, 1280, 800, 16, 48, 114}, {192, 1280, 800, 16, 48, 114},
        {96, 1024, 768, 16, 48, 90},   {96, 1280, 300, 16, 48, 78}};
    for (const auto& [dpi, width, height, frameWidth, frameHeight, fitting] : screens)
        EXPECT_EQ(fittingDpi(dpi, width, height, frameWidth, frameHeight), fitting) << dpi;
    // A caption's room: up to the next shown control of its row, or to its frame's inner edge.
    EXPECT_EQ(captionRoomTwips(Control::Label2), 900);        // Text3 beside it
    EXPECT_EQ(captionRoomTwips(Control::Option4), 3720);      // Frame3's edge
    EXPECT_EQ(captionRoomTwips(Control::PushButton2), 6660);  // Help, past the hidden Label4
}
