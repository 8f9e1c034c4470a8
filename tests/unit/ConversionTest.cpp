#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/Numeric.h"
#include "app/RuntimeError.h"
#include "app/SettingsStore.h"
#include "engine/Schedule.h"

using namespace qpa;

TEST(Numeric, DecimalNumbersAsUsersTypeThem) {
    struct Row {
        const wchar_t* text;
        wchar_t separator;
        std::optional<double> value;
    };
    const Row rows[] = {
        {L"12", L'.', 12.0},
        {L" 2.5 ", L'.', 2.5},
        {L"-3", L'.', -3.0},
        {L"+4", L'.', 4.0},
        {L".5", L'.', 0.5},
        {L"1.", L'.', 1.0},
        {L"1,5", L',', 1.5},
        {L"\t7\t", L'.', 7.0},
        {L"", L'.', std::nullopt},
        {L"   ", L'.', std::nullopt},
        {L"12a", L'.', std::nullopt},
        {L"1,5", L'.', std::nullopt},
        {L"1.5", L',', std::nullopt},
        {L"-", L'.', std::nullopt},
        {L".", L'.', std::nullopt},
        {L"1.2.3", L'.', std::nullopt},
        {L"1 2", L'.', std::nullopt},
        {L"1e5", L'.', std::nullopt},
        {L"\x0661", L'.', std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(parseDecimal(row.text, row.separator), row.value) << "text: [" << row.text << "]";
    }
}

TEST(Numeric, HugeAndTinyDigitStringsStayNumbers) {
    const std::wstring huge(400, L'9');
    EXPECT_TRUE(std::isinf(*parseDecimal(huge, L'.')));
    EXPECT_EQ(*parseDecimal(L"0." + std::wstring(400, L'0') + L"1", L'.'), 0.0);
    EXPECT_THROW(roundToInt32(*parseDecimal(huge, L'.')), RuntimeError);
}

TEST(Numeric, RoundsHalvesToEvenAndChecks32Bits) {
    EXPECT_EQ(roundToInt32(0.5), 0);
    EXPECT_EQ(roundToInt32(1.5), 2);
    EXPECT_EQ(roundToInt32(2.5), 2);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(2147483647.0), 2147483647);
    EXPECT_THROW(roundToInt32(2147483648.0), RuntimeError);
    EXPECT_THROW(roundToInt32(std::nan("")), RuntimeError);
}

TEST(Numeric, WholeNumbersAsDecimalText) {
    EXPECT_EQ(integerText(0), L"0");
    EXPECT_EQ(integerText(100), L"100");
    EXPECT_EQ(integerText(-7), L"-7");
    EXPECT_EQ(integerText(4294967295LL), L"4294967295");
    EXPECT_EQ(integerText(std::numeric_limits<long long>::min()), L"-9223372036854775808");
}

TEST(Settings, TruthValuesInAnyCaseOrAsNumbers) {
    EXPECT_TRUE(textToTruth(L"True", L'.'));
    EXPECT_TRUE(textToTruth(L"tRUE", L'.'));
    EXPECT_FALSE(textToTruth(L"FALSE", L'.'));
    EXPECT_TRUE(textToTruth(L"1", L'.'));
    EXPECT_TRUE(textToTruth(L"-1", L'.'));
    EXPECT_TRUE(textToTruth(L"0.5", L'.'));
    EXPECT_FALSE(textToTruth(L"0", L'.'));
    EXPECT_FALSE(textToTruth(L" 0 ", L'.'));
    for (const wchar_t* bad : {L"", L"yes", L"On", L"Truex", L"T", L"\u00e9t\u00e9"}) {
        EXPECT_THROW(textToTruth(bad, L'.'), RuntimeError) << bad;
    }
}

TEST(Settings, OnIsComparedWithLetterCase) {
    EXPECT_TRUE(isOn(L"On"));
    EXPECT_FALSE(isOn(L"on"));
    EXPECT_FALSE(isOn(L"ON"));
    EXPECT_FALSE(isOn(L"On "));
    EXPECT_EQ(onOffText(true), L"On");
    EXPECT_EQ(truthText(false), L"False");
}

TEST(Schedule, CountdownIsATimeOfDayOfTheAbsoluteValue) {
    EXPECT_EQ(FormatCountdown(0), L"00:00:00");
    EXPECT_EQ(FormatCountdown(59), L"00:00:59");
    EXPECT_EQ(FormatCountdown(3725), L"01:02:05");
    EXPECT_EQ(FormatCountdown(90000), L"01:00:00");
    EXPECT_EQ(FormatCountdown(-1), L"00:00:01");
    EXPECT_EQ(FormatCountdown(-90), L"00:01:30");
    EXPECT_EQ(FormatCountdown(INT32_MIN), L"03:14:08");
}

TEST(Schedule, PeriodFromTheTwoFields) {
    EXPECT_EQ(periodFromFields(L"1.5", L"0", L'.'), 90);
    EXPECT_EQ(periodFromFields(L"0", L"0.5", L'.'), 0);
    EXPECT_EQ(periodFromFields(L"0", L"2.5", L'.'), 2);
    EXPECT_EQ(periodFromFields(L"90", L"0", L'.'), 5400);
    EXPECT_EQ(periodFromFields(L"-1", L"5", L'.'), -55);
    EXPECT_THROW(periodFromFields(L"40000000", L"0", L'.'), RuntimeError);
}
