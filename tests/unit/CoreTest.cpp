// The pieces every layer uses: numbers as users type them, truth values, the countdown, the
// period, and the common error report.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/SettingsStore.h"
#include "core/Numeric.h"
#include "core/RuntimeError.h"
#include "engine/Schedule.h"
#include "fakes/Fakes.h"

using namespace qpa;

TEST(Numbers, DecimalsAsUsersTypeThem) {
    const std::tuple<const wchar_t*, wchar_t, std::optional<double>> rows[] = {
        {L"12", L'.', 12.0},       {L" 2.5 ", L'.', 2.5},     {L"-3", L'.', -3.0},
        {L"+4", L'.', 4.0},        {L".5", L'.', 0.5},        {L"1.", L'.', 1.0},
        {L"1,5", L',', 1.5},       {L"\t7\u00a0", L'.', 7.0}, {L"", L'.', std::nullopt},
        {L"  ", L'.', std::nullopt}, {L"12a", L'.', std::nullopt}, {L"1,5", L'.', std::nullopt},
        {L"-", L'.', std::nullopt}, {L".", L'.', std::nullopt}, {L"1.2.3", L'.', std::nullopt},
        {L"1 2", L'.', std::nullopt}, {L"1e5", L'.', std::nullopt}, {L"\x0661", L'.', std::nullopt},
    };
    for (const auto& [text, separator, value] : rows)
        EXPECT_EQ(parseDecimal(text, separator), value) << "[" << text << "]";
    const std::wstring huge(400, L'9');
    EXPECT_TRUE(std::isinf(*parseDecimal(huge, L'.')));
    EXPECT_TRUE(std::isinf(*parseDecimal(L"-" + huge, L'.')) && *parseDecimal(L"-" + huge, L'.') < 0);
    EXPECT_EQ(*parseDecimal(L"0." + std::wstring(400, L'0') + L"1", L'.'), 0.0);
}

TEST(Numbers, RoundingHalvesToEvenWithin32BitsAndWholeNumbersAsText) {
    EXPECT_EQ(roundToInt32(0.5), 0);
    EXPECT_EQ(roundToInt32(1.5), 2);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(roundToInt32(-2147483648.0), INT32_MIN);
    for (const double outside : {2147483648.0, -2147483649.0, std::nan("")})
        EXPECT_THROW(roundToInt32(outside), RuntimeError) << outside;
    EXPECT_EQ(integerText(0), L"0");
    EXPECT_EQ(integerText(-7), L"-7");
    EXPECT_EQ(integerText(4294967295LL), L"4294967295");
    EXPECT_EQ(integerText(std::numeric_limits<long long>::min()), L"-9223372036854775808");
}

TEST(Settings, TruthValuesInAnyCaseOrAsNumbersAndOnWithItsCase) {
    for (const wchar_t* yes : {L"True", L"tRUE", L" true ", L"1", L"-1", L"0.5"})
        EXPECT_TRUE(textToTruth(yes, L'.')) << yes;
    for (const wchar_t* no : {L"FALSE", L"0", L" 0 "}) EXPECT_FALSE(textToTruth(no, L'.')) << no;
    EXPECT_TRUE(textToTruth(L"0,5", L','));
    for (const wchar_t* bad : {L"", L"yes", L"On", L"Truex", L"T", L"tru", L"\u00e9t\u00e9"})
        EXPECT_THROW(textToTruth(bad, L'.'), RuntimeError) << bad;
    EXPECT_TRUE(isOn(L"On"));
    for (const wchar_t* off : {L"on", L"ON", L"On ", L"Off"}) EXPECT_FALSE(isOn(off)) << off;
}

TEST(Schedule, CountdownAndPeriod) {
    const std::pair<std::int32_t, const wchar_t*> countdowns[] = {
        {0, L"00:00:00"},     {59, L"00:00:59"},  {3725, L"01:02:05"},
        {90000, L"01:00:00"}, {-1, L"00:00:01"},  {-90, L"00:01:30"}, {INT32_MIN, L"03:14:08"}};
    for (const auto& [seconds, text] : countdowns) EXPECT_EQ(FormatCountdown(seconds), text);
    EXPECT_EQ(periodFromFields(L"1.5", L"0", L'.'), 90);
    EXPECT_EQ(periodFromFields(L"0", L"0.5", L'.'), 0);
    EXPECT_EQ(periodFromFields(L"0", L"2.5", L'.'), 2);
    EXPECT_EQ(periodFromFields(L"-1", L"5", L'.'), -55);
    EXPECT_THROW(periodFromFields(L"40000000", L"0", L'.'), RuntimeError);
    EXPECT_THROW(periodFromFields(L"x", L"0", L'.'), RuntimeError);
    EXPECT_THROW(periodFromFields(L"0", L"", L'.'), RuntimeError);
}

TEST(ErrorReport, ATrappedStepIsReportedWithItsLineAndTheProcedureGoesOn) {
    fakes::FakeDialogs dialogs;
    ErrorReporter reporter(dialogs);
    Trap trap(reporter, Location::Form1_Timer1_Timer);
    std::vector<int> ran;
    trap(100, [&] { throw RuntimeError(L"Overflow"); });
    trap(102, [&] { ran.push_back(102); });
    trap(104, [&] { throw std::bad_alloc(); });
    trap(106, [&] { throw 42; });
    bool stop = false;
    trap.stopWhen([&] { return stop; });
    stop = true;
    trap(108, [&] { ran.push_back(108); });
    EXPECT_EQ(ran, std::vector<int>{102});
    ASSERT_EQ(dialogs.shown.size(), 3u);
    // One line feed, after the description; the two breaks before the request are bare CRs.
    EXPECT_EQ(dialogs.shown[0].prompt,
              L"Overflow\r\nin QuietPageAdvancer2021/08/31.Form1.Timer1_Timer at line 100\r\r"
              L"Please email screenshot of this message to support@tervalinx.example");
    EXPECT_EQ(dialogs.shown[0].title, L"Application Error");
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.shown[1].prompt.substr(0, 15), L"Out of memory\r\n");
    EXPECT_EQ(dialogs.shown[2].prompt.substr(0, 20), L"Unexpected failure\r\n");
    EXPECT_NE(dialogs.shown[2].prompt.find(L"at line 106\r"), std::wstring::npos);
}

TEST(ErrorReport, EveryProcedureHasItsLabel) {
    EXPECT_EQ(locationLabel(Location::Form1_Form_Load),
              L"in QuietPageAdvancer2021/08/31.Form1.Form_Load ");
    EXPECT_EQ(locationLabel(Location::Enum_KnowScrollines),
              L"in QuietPageAdvancer2021/08/31.Enum.KnowScrollines ");
    std::set<std::wstring> labels;
    for (int l = 0; l <= static_cast<int>(Location::Enum_KnowScrollines); ++l)
        labels.insert(locationLabel(static_cast<Location>(l)));
    EXPECT_EQ(labels.size(), 10u);
}
