#pragma once
// Every text the program shows or stores, in one place.
namespace qpa::texts {

inline constexpr const wchar_t* kProductName = L"Velloranth Quiet Page Advancer For Your Desktop";
inline constexpr const wchar_t* kSettingsApplication = L"Tervalinx";
inline constexpr const wchar_t* kSettingsSection = kProductName;

// The maker's addresses; the real ones are not known yet, so these stay under the reserved domain.
inline constexpr const wchar_t* kHomePageAddress = L"https://www.tervalinx.example/";
inline constexpr const wchar_t* kContactPageAddress = L"https://www.tervalinx.example/contact/";
inline constexpr const wchar_t* kSupportEmail = L"support@tervalinx.example";

inline constexpr const wchar_t* kListColumnHeader = L"Available Windows";
inline constexpr int kListColumnWidthTwips = 7000;
inline constexpr const wchar_t* kListToolTip =
    L"Move | line to right and out of window to reveal full names.";

// What screen readers and voice control call the fields, which show no caption of their own, and
// what "?" opens.
inline constexpr const wchar_t* kMinutesFieldName = L"Scroll every, minutes";
inline constexpr const wchar_t* kSecondsFieldName = L"seconds";
inline constexpr const wchar_t* kListHelpOpens =
    L"Opens a note on what the 'Available Windows' list is for";

// The captions of the main window's controls as designed (see Layout.h).
inline constexpr const wchar_t* kHelpButton = L"Help";
inline constexpr const wchar_t* kMethodDown = L"Push 'Down' button to scroll down";
inline constexpr const wchar_t* kMethodPageDown = L"Push 'Page Down' to scroll down";
inline constexpr const wchar_t* kMethodWheelDown = L"Mousewheel 'Down' one notch";
inline constexpr const wchar_t* kMethodUp = L"Push 'Up' button to scroll up";
inline constexpr const wchar_t* kMethodPageUp = L"Push 'Page Up' to scroll up";
inline constexpr const wchar_t* kMethodWheelUp = L"Mousewheel 'Up' one notch";
inline constexpr const wchar_t* kScopeAvailableWindows = L"Scroll in 'Available Windows'";
inline constexpr const wchar_t* kScopeSelectedWindow = L"Scroll in selected window only";
inline constexpr const wchar_t* kRefreshList = L"Refresh List";
inline constexpr const wchar_t* kListHelpButton = L"?";
inline constexpr const wchar_t* kMinimizedToTray = L"Minimized to system tray";
inline constexpr const wchar_t* kScrollEvery = L"Scroll every:";
inline constexpr const wchar_t* kMinutes = L"minute/s";
inline constexpr const wchar_t* kSeconds = L"second/s";
inline constexpr const wchar_t* kChordHint = L"Turn On (Press Ctrl + Shift + T to toggle ON/OFF)";
inline constexpr const wchar_t* kScheduleFrame = L"Scroll Schedule";
inline constexpr const wchar_t* kMethodFrame = L"Scroll method";
inline constexpr const wchar_t* kScopeFrame = L"Scroll option";
inline constexpr const wchar_t* kStartupFrame = L"Startup Options";

inline constexpr const wchar_t* kTurnOn = L"Turn On";
inline constexpr const wchar_t* kTurnOff = L"Turn Off";
inline constexpr const wchar_t* kStatusOff = L"Off.";
inline constexpr const wchar_t* kStatusOnPrefix = L"On. Next Scroll will occur in: ";
inline constexpr const wchar_t* kProgressBarText = L"Progress Bar";

inline constexpr const wchar_t* kMustBeNumeric = L"Must be a numeric entry.";
inline constexpr const wchar_t* kEmptyQueue =
    L"Please add items to the 'Queue' list below before turning on.";

inline constexpr const wchar_t* kListHelp =
    L"This is the list of windows to potentially scroll in. \r\n\r\nSelect one in the list to "
    L"scroll.";

inline constexpr const wchar_t* kHelpParagraph1 =
    L"This software sometimes cannot find fullscreen applications like games, video players and "
    L"applications that start from launchers.";
// The words that name the desktop and its programs: Windows', and a Linux desktop's.
struct DesktopWords {
    const wchar_t* startupCheckBox;     // Check4's caption
    const wchar_t* helpParagraph2;      // which programs to try it with
    const wchar_t* startupListRefused;  // when no list of programs started at logon takes it
    const wchar_t* startupPathRefused;  // when the program's path cannot stand in such a list
};
// The Run keys take any path, so Windows' words need no second refusal.
inline constexpr const wchar_t* kWindowsStartupRefused =
    L"This software could not be added to the programs that start with Windows: the start-up "
    L"list cannot be written.";
inline constexpr DesktopWords kWindowsWords{
    L"Load this software on Windows startup",
    L"It is recommended that you test with software with 'MS Word' or 'Notepad' first - - not an "
    L"empty file because there is nothing to scroll but a long or multipage file.",
    kWindowsStartupRefused, kWindowsStartupRefused};
inline constexpr DesktopWords kLinuxWords{
    L"Load this software at login",
    L"It is recommended that you test with a word processor or a text editor first - - not an "
    L"empty file because there is nothing to scroll but a long or multipage file.",
    L"This software could not be added to the programs that start at login: the autostart "
    L"folder cannot be written.",
    L"This software could not be added to the programs that start at login: the path to it "
    L"holds characters that an autostart entry cannot hold, such as a line break. Move it to "
    L"another folder and try again."};
inline constexpr const wchar_t* kHelpParagraph3Prefix =
    L"Questions? Please contact Team Tervalinx at ";

inline constexpr const wchar_t* kErrorTitle = L"Application Error";
inline constexpr const wchar_t* kErrorEmailRequest = L"Please email screenshot of this message to ";

inline constexpr const wchar_t* kBalloonText =
    L"has been minimized to the system tray.\r\nClick on the blue 'T' icon (T for Tervalinx) to "
    L"bring the software back.";

// Shown once at start-up on a Wayland desktop that keeps programs from each other's windows.
inline constexpr const wchar_t* kDesktopKeepsWindowsApartTitle = L"Other programs' windows";
inline constexpr const wchar_t* kDesktopKeepsWindowsApart =
    L"This desktop does not let one program see or scroll the windows of other programs, so the "
    L"'Available Windows' list stays empty and nothing can be scrolled.\r\n\r\nTo scroll other "
    L"programs' windows, use GNOME, KDE Plasma or sway, or log in to an X11 session (on the "
    L"login screen, choose the session \"on Xorg\" or \"X11\"). Programs that run through "
    L"XWayland can also be reached when this software is started through XWayland too "
    L"(QT_QPA_PLATFORM=xcb).";

// Shown once on GNOME when the program cannot use its Shell extension (yet): its reason, which
// says what to do, stands between the two parts.
inline constexpr const wchar_t* kGnomeExtensionTitle = L"GNOME Shell extension";
inline constexpr const wchar_t* kGnomeLogInOnce =
    L"On GNOME this software reaches other programs' windows through its GNOME Shell extension, "
    L"\"Quiet Page Advancer\". The extension is now installed and switched on, but GNOME loads a "
    L"new extension only when you log in.\r\n\r\nLog out and log in once, then start this "
    L"software again. Until then the 'Available Windows' list stays empty.";
inline constexpr const wchar_t* kGnomeExtensionFailedPrefix =
    L"On GNOME this software reaches other programs' windows through its GNOME Shell extension, "
    L"\"Quiet Page Advancer\", and it cannot use that extension now: ";
inline constexpr const wchar_t* kGnomeExtensionFailedSuffix =
    L"\r\n\r\nUntil then the 'Available Windows' list stays empty and Ctrl+Shift+T does nothing.";
inline constexpr const wchar_t* kGnomeShellSilent =
    L"GNOME Shell does not answer. Log out and log in once, then start this software again.";
inline constexpr const wchar_t* kGnomeExtensionSilent =
    L"it is switched on but does not answer. Log out and log in once, then start this software "
    L"again.";
inline constexpr const wchar_t* kGnomeExtensionSwitchedOff =
    L"it is switched off. Switch \"Quiet Page Advancer\" on in GNOME's Extensions application, "
    L"then start this software again.";
inline constexpr const wchar_t* kGnomeExtensionsAllOff =
    L"extensions are switched off. Switch them on in GNOME's Extensions application, and "
    L"\"Quiet Page Advancer\" with them, then start this software again.";
inline constexpr const wchar_t* kGnomeExtensionNotSwitchedOn =
    L"GNOME did not switch it on. Switch it on in GNOME's Extensions application, then start "
    L"this software again.";
inline constexpr const wchar_t* kGnomeExtensionErrorPrefix = L"GNOME could not run it (";
inline constexpr const wchar_t* kGnomeExtensionErrorSuffix =
    L"). Log out and log in once, then start this software again.";
inline constexpr const wchar_t* kGnomeExtensionOutdatedPrefix = L"it was not made for GNOME Shell ";
inline constexpr const wchar_t* kGnomeExtensionOutdatedSuffix =
    L". Install the release of this software made for your GNOME.";
inline constexpr const wchar_t* kGnomeExtensionOtherVersion =
    L"GNOME runs another version of it than the one that came with this software. Log out and "
    L"log in once, so that GNOME loads the one installed now, then start this software again.";
inline constexpr const wchar_t* kGnomeExtensionNotCopied =
    L"its files could not be copied into your extensions folder "
    L"(~/.local/share/gnome-shell/extensions).";
inline constexpr const wchar_t* kGnomeExtensionNotEnabled =
    L"it could not be added to the extensions GNOME switches on at log-in.";
inline constexpr const wchar_t* kGnomeNameTakenPrefix =
    L"another program holds this software's name on the session bus (";
inline constexpr const wchar_t* kGnomeNameTakenSuffix =
    L"), and the extension answers this software under that name only. Close that program, then "
    L"start this software again.";
inline constexpr const wchar_t* kGnomeExtensionRefusesPrefix =
    L"it answers another copy of this software only (";
inline constexpr const wchar_t* kGnomeExtensionRefusesSuffix =
    L"). Start that copy; or remove the extension from your extensions folder "
    L"(~/.local/share/gnome-shell/extensions), start this copy again, and log out and log in once.";

// Shown once at start-up on KDE Plasma (Wayland) when KWin still hides other programs' windows
// from this program: the first part, then the second followed by the lines of the desktop entry
// that names this copy, or the third when no entry can name it.
inline constexpr const wchar_t* kKwinHidesWindows =
    L"KWin does not show this software the windows of other programs, so the 'Available "
    L"Windows' list stays empty and nothing can be scrolled.\r\n\r\n";
inline constexpr const wchar_t* kKwinEntryNamesThisCopy =
    L"KWin shows them to a program named by a desktop entry. Install this software's package, or "
    L"save these lines as a file ending in .desktop in ~/.local/share/applications and start "
    L"this software again:\r\n\r\n";
inline constexpr const wchar_t* kKwinNoEntryNamesThisCopy =
    L"KWin shows them only to a program named by a desktop entry, and no desktop entry can name "
    L"this copy: the path of its file is not UTF-8 text. Install this software's package, or "
    L"start it from a folder whose path is UTF-8 text.";

// Shown once at start-up by the Linux program when its settings file is there but cannot be read;
// the file's name stands between the two parts.
inline constexpr const wchar_t* kSettingsUnreadableTitle = L"Settings file";
inline constexpr const wchar_t* kSettingsUnreadablePrefix = L"The settings file ";
inline constexpr const wchar_t* kSettingsUnreadableSuffix =
    L" cannot be read, so this software starts with its usual settings.\r\n\r\nChanges you make "
    L"now last until the software is closed; they are not saved, and the file is left as it is.";

}  // namespace qpa::texts
