// The Windows program: creates the main window, runs its start-up, dispatches events until close.
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "app/Form1.h"
#include "desktop/ChordRule.h"
#include "platform/portable/SeededChance.h"
#include "platform/win32/DesktopWindows.h"
#include "platform/win32/ExecutionState.h"
#include "platform/win32/KeyboardHook.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/RunKey.h"
#include "platform/win32/SystemServices.h"
#include "platform/win32/TrayIcon.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_BAR_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);

    qpa::win32::MainWindow window(instance);
    qpa::win32::MessageBoxes dialogs;
    dialogs.setOwner(window.hwnd());
    qpa::win32::RegistrySettings settings;
    qpa::win32::ModuleFiles files;
    qpa::win32::ExplorerBrowser browser;
    qpa::SeededChance chance;
    qpa::win32::UserLocale locale;
    qpa::win32::DesktopWindows windows;
    qpa::ChordRule chordRule;
    qpa::win32::KeyboardHook keyboard(
        [&chordRule](const qpa::ChordKeys& keys) { return chordRule.completes(keys); });
    qpa::win32::TrayIconWindow tray(instance, window);
    qpa::win32::RunKey runKey;
    qpa::win32::ExecutionState display;

    qpa::Form1 form(qpa::Form1Ports{window, window, dialogs, settings, files, browser, chance,
                                    locale, windows, keyboard, tray, runKey, display,
                                    qpa::texts::kWindowsWords, window.handle()});
    form.Form_Load();
    window.showAfterLoad();
    return window.runMessageLoop();
}
