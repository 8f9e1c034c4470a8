// Stored settings that a user, another program or a broken disk left behind: the program starts,
// reports only what cannot be converted, and keeps every key as it was.
#include <gtest/gtest.h>

#include "ProgramDriver.h"

using namespace std::chrono_literals;
using namespace qpa;
using namespace qpa::wine;

namespace {

TEST(HostileSettings, StartUpReportsOnlyWhatCannotBeConvertedAndKeepsEveryKey) {
    store::clear();
    const std::wstring longText(1500, L'x');
    const std::vector<std::pair<std::wstring, std::wstring>> hostile = {
        {L"Option1", L""},
        {L"Option2", longText},
        {L"Option3", L"\u00dcn\u00efc\u00f6d\u00e9 \u4e2d"},
        {L"Option4", L"On "},
        {L"Option5", L"1e999"},
        {L"Option6", L"True!"},
        {L"Option7", L" "},
        {L"Option8", L"\u0661"},  // an Arabic-Indic digit is no number here
        {L"Text2", longText},
        {L"Text3", L"\u00dcn\u00efc\u00f6d\u00e9"},
        {L"StartStopState", L"On "},
        {L"Windows Startup", L"on"},
        {L"Minimized", L"ON"},
    };
    for (const auto& [key, value] : hostile) store::put(key, value);

    ProgramDriver program;
    program.start(false);
    int reports = 0;
    while (const auto report = program.waitForMessageBox(reports < 8 ? 10s : 1500ms)) {
        EXPECT_EQ(report->title, L"Application Error");
        EXPECT_NE(report->text.find(L"Form1.Form_Load at line "), std::wstring::npos);
        program.dismiss(*report);
        ++reports;
    }
    EXPECT_EQ(reports, 8);  // one for each option text that is no truth value
    ASSERT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }));
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn On");
    EXPECT_FALSE(program.checked(Control::Check4));
    EXPECT_EQ(program.text(Control::Text2), longText);
    ASSERT_TRUE(program.close());
    for (const auto& [key, value] : hostile)
        EXPECT_EQ(store::get(key), value) << std::string(key.begin(), key.end());
}

// A settings key that refuses writes (a deny entry in its access list): start-up reports the steps
// that could not store, a keystroke says why it was not saved, and every stored key stays as it was.
TEST(HostileSettings, AStoreThatRefusesWritesLosesNothingAndTheProgramGoesOn) {
    store::clear();
    const std::vector<std::pair<std::wstring, std::wstring>> stored = {
        {L"Option1", L"False"}, {L"Option2", L"True"},  {L"Option3", L"False"},
        {L"Option4", L"False"}, {L"Option5", L"False"}, {L"Option6", L"False"},
        {L"Option7", L"True"},  {L"Option8", L"False"}, {L"Text2", L"7"},
        {L"Text3", L"3"},       {L"StartStopState", L"Off"},
    };
    for (const auto& [key, value] : stored) store::put(key, value);
    ASSERT_TRUE(setKeySecurity(HKEY_CURRENT_USER, kSettingsKey, L"D:P(D;;0x6;;;WD)(A;;KA;;;WD)"));

    ProgramDriver program;
    program.start(false);
    int reports = 0;
    while (const auto report = program.waitForMessageBox(reports == 0 ? 10s : 1500ms)) {
        EXPECT_EQ(report->title, L"Application Error");
        EXPECT_NE(report->text.find(L"Form1.Form_Load at line "), std::wstring::npos);
        program.dismiss(*report);
        ++reports;
    }
    EXPECT_GE(reports, 1);
    ASSERT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }));
    EXPECT_EQ(program.text(Control::Text2), L"7");  // what was read is shown

    program.type(Control::Text2, L"5");
    const auto refused = program.waitForMessageBox();
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->title, kAppTitle);
    EXPECT_NE(refused->text.find(L"\"Text2\" could not be saved"), std::wstring::npos)
        << std::string(refused->text.begin(), refused->text.end());
    program.dismiss(*refused);
    EXPECT_TRUE(program.running());

    const bool closed = program.close();
    ASSERT_TRUE(setKeySecurity(HKEY_CURRENT_USER, kSettingsKey, L"D:P(A;;KA;;;WD)"));
    ASSERT_TRUE(closed);
    for (const auto& [key, value] : stored)
        EXPECT_EQ(store::get(key), value) << std::string(key.begin(), key.end());
    EXPECT_EQ(store::keys().size(), stored.size());
}

}  // namespace
