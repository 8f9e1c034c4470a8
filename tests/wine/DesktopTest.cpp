// The real program's desktop integration under Wine: the toggle chord, the tray, the Run keys.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "ProgramDriver.h"

using namespace std::chrono_literals;
using namespace qpa;
using namespace qpa::wine;

namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kEntryName[] = L"QuietPageAdvancer.exe";

std::optional<std::wstring> runEntry(HKEY hive) {
    wchar_t buffer[1024] = {};
    DWORD bytes = sizeof(buffer);
    if (::RegGetValueW(hive, kRunKey, kEntryName, RRF_RT_REG_SZ, nullptr, buffer, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(buffer);
}

void clearRunEntries() {
    ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kEntryName);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kEntryName);
}

bool setRunKeySecurity(const wchar_t* sddl) {
    return setKeySecurity(HKEY_LOCAL_MACHINE, kRunKey, sddl);
}

class DesktopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store::clear();
        clearRunEntries();
    }
    void TearDown() override { clearRunEntries(); }
    static HWND trayWindow() { return ::FindWindowW(L"QuietPageAdvancerTray", nullptr); }
};

TEST_F(DesktopTest, TheChordTogglesFromAnotherWindowWhichStillGetsTheKeys) {
    TargetProgram target;
    ProgramDriver program;
    program.start();
    ASSERT_TRUE(typeIntoXWindow("Target A", "ctrl+shift+t"));
    ASSERT_TRUE(waitFor([] { return store::get(L"StartStopState") == L"On"; }, 12s));
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn Off");
    const auto keys = target.keysPressed(L"Target A");
    EXPECT_NE(std::find(keys.begin(), keys.end(), 0x54u), keys.end());  // T reached Target A

    ASSERT_TRUE(typeIntoXWindow("Target A", "ctrl+t shift+t t"));
    ::Sleep(1500);
    EXPECT_EQ(store::get(L"StartStopState"), L"On");
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn Off");

    ASSERT_TRUE(typeIntoXWindow("Target A", "ctrl+shift+t"));
    ASSERT_TRUE(waitFor([] { return store::get(L"StartStopState") == L"Off"; }, 5s));
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn On");
    EXPECT_TRUE(program.messageBoxes().empty());
}

TEST_F(DesktopTest, MinimisingHidesToTheTrayAndTheTrayCallbackBringsItBack) {
    ProgramDriver program;
    program.start();
    ASSERT_NE(trayWindow(), nullptr);
    ::PostMessageW(program.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(program.window()); }));
    EXPECT_FALSE(::IsIconic(program.window()) && ::IsWindowVisible(program.window()));

    ::PostMessageW(trayWindow(), 0x465, 0, WM_LBUTTONDOWN);  // a press alone does nothing
    ::Sleep(500);
    EXPECT_FALSE(::IsWindowVisible(program.window()));
    ::PostMessageW(trayWindow(), 0x465, 0, WM_LBUTTONUP);
    ASSERT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }, 8s));
    EXPECT_FALSE(::IsIconic(program.window()));

    // A second minimise hides again (its balloon is not shown twice).
    const auto before = std::chrono::steady_clock::now();
    ::PostMessageW(program.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(program.window()); }));
    ::PostMessageW(trayWindow(), 0x465, 0, WM_RBUTTONUP);
    ASSERT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }, 3s));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);  // no balloon wait the second time
}

TEST_F(DesktopTest, ClosingEndsTheProcessAndRemovesTheTrayWindowsRouting) {
    ProgramDriver program;
    program.start();
    EXPECT_TRUE(program.close());
    EXPECT_FALSE(program.running());
}

TEST_F(DesktopTest, TheStartupBoxWritesAndRemovesTheQuotedRunValue) {
    ProgramDriver program;
    program.start();
    program.click(Control::Check4);
    ASSERT_TRUE(waitFor([] { return runEntry(HKEY_LOCAL_MACHINE).has_value(); }));
    const std::wstring expected = L"\"" + std::wstring(_wgetenv(L"QPA_EXE")) + L"\"";
    EXPECT_EQ(runEntry(HKEY_LOCAL_MACHINE), expected);
    EXPECT_EQ(store::get(L"Windows Startup"), L"On");
    EXPECT_TRUE(program.visible(Control::Check8));
    program.click(Control::Check8);
    ASSERT_TRUE(waitFor([] { return store::get(L"Minimized") == L"On"; }));

    program.click(Control::Check4);
    ASSERT_TRUE(waitFor([] { return !runEntry(HKEY_LOCAL_MACHINE).has_value(); }));
    EXPECT_EQ(store::get(L"Windows Startup"), L"Off");
    EXPECT_EQ(store::get(L"Minimized"), L"Off");
    EXPECT_FALSE(program.checked(Control::Check8));
    EXPECT_FALSE(program.visible(Control::Check8));
}

TEST_F(DesktopTest, ARunKeyThatRefusesWritesLeadsToTheUsersEntry) {
    ASSERT_TRUE(setRunKeySecurity(L"D:P(D;CI;0x6;;;WD)(A;CI;KA;;;WD)"));
    ProgramDriver program;
    program.start();
    program.click(Control::Check4);
    const bool written = waitFor([] { return runEntry(HKEY_CURRENT_USER).has_value(); });
    setRunKeySecurity(L"D:P(A;CI;KA;;;WD)");
    ASSERT_TRUE(written);
    EXPECT_FALSE(runEntry(HKEY_LOCAL_MACHINE).has_value());
    EXPECT_TRUE(program.messageBoxes().empty());
}

TEST_F(DesktopTest, BothStartupOptionsStartTheProgramInTheTray) {
    store::put(L"Windows Startup", L"On");
    store::put(L"Minimized", L"On");
    ProgramDriver program;
    program.start(false);
    ASSERT_TRUE(waitFor([] { return trayWindow() != nullptr; }));
    ::Sleep(1500);
    EXPECT_FALSE(::IsWindowVisible(program.window()));
    EXPECT_TRUE(program.running());
    EXPECT_FALSE(runEntry(HKEY_LOCAL_MACHINE).has_value());  // start-up writes no entry
    ::PostMessageW(trayWindow(), 0x465, 0, WM_LBUTTONUP);
    EXPECT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }, 8s));
}

TEST_F(DesktopTest, AShellRestartIsAnsweredWithoutHarm) {
    ProgramDriver program;
    program.start();
    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    ::Sleep(500);
    EXPECT_TRUE(program.running());
    EXPECT_TRUE(program.messageBoxes().empty());
    ::PostMessageW(program.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(program.window()); }));
    ::PostMessageW(trayWindow(), 0x465, 0, WM_LBUTTONUP);
    EXPECT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }, 8s));
}

}  // namespace
