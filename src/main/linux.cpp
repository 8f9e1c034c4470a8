// The Linux program: Qt Widgets for the window and the tray; each desktop's own room for other
// applications' windows, the wheel, the toggle chord and the display.
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/Form1.h"
#include "core/Texts.h"
#include "platform/gnome/GnomeDesktop.h"
#include "platform/kde/KdeDesktop.h"
#include "platform/kde/KdeHotkey.h"
#include "platform/portable/SeededChance.h"
#include "platform/qt/AutostartFiles.h"
#include "platform/qt/CommandLine.h"
#include "platform/qt/IniSettings.h"
#include "platform/qt/LinuxDesktop.h"
#include "platform/qt/QtMainWindow.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/QuitOnSignals.h"
#include "platform/qt/SingleInstance.h"
#include "platform/sway/ChordWatcher.h"
#include "platform/sway/SwayDesktop.h"
#include "platform/wayland/ClosedDesktop.h"
#include "platform/x11/X11Desktop.h"

namespace {
// The program's icon in the sizes a title bar, a task switcher and a tray show (up to 48 pixels).
// The icon file also holds 128 and 256 pixel images for Windows' large views; decoding those
// would take about a megabyte for pictures nothing here displays.
QIcon titleBarAndTrayIcon() {
    QIcon icon;
    QImageReader reader(QStringLiteral(":/QuietPageAdvancer.ico"));
    for (int i = 0; i < reader.imageCount(); ++i) {
        if (!reader.jumpToImage(i)) break;
        const QSize size = reader.size();
        if (size.isValid() && size.width() > 48) continue;
        const QImage image = reader.read();
        if (!image.isNull() && image.width() <= 48) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

// The desktops this program has a room for, in the order they are recognised: each room's entry
// opens its adapters. A start may instead be one of a room's helper processes.
struct DesktopRoom {
    bool (*recognises)();
    std::unique_ptr<qpa::qt::LinuxDesktop> (*open)(const qpa::qt::Tell& tell);
    std::optional<int> (*runAsHelper)(int argc, char** argv);
};
constexpr DesktopRoom kDesktops[] = {
    {&qpa::x11::isX11Session, &qpa::x11::openX11Desktop, nullptr},
    {&qpa::sway::isSwaySession, &qpa::sway::openSwayDesktop, &qpa::sway::runAsChordWatcher},
    {&qpa::gnome::isGnomeSession, &qpa::gnome::openGnomeDesktop, nullptr},
    {&qpa::kde::isKdeSession, &qpa::kde::openKdeDesktop, &qpa::kde::runAsKdeChordWatcher},
    {[] { return true; }, &qpa::wayland::openClosedDesktop, nullptr},
};

std::unique_ptr<qpa::qt::LinuxDesktop> openDesktop(const qpa::qt::Tell& tell) {
    for (const DesktopRoom& room : kDesktops) {
        if (room.recognises()) return room.open(tell);
    }
    return nullptr;  // the last room recognises every desktop
}
}  // namespace

int main(int argc, char** argv) {
    // The small processes that give a desktop's chord back should the program be killed.
    for (const DesktopRoom& room : kDesktops) {
        if (!room.runAsHelper) continue;
        if (const auto helperExit = room.runAsHelper(argc, argv)) return *helperExit;
    }
    if (qpa::qt::answeredInformationalOption(argc, argv)) return 0;
    QApplication application(argc, argv);
    // One program per session: a second start only brings the first one's window forward, before
    // it has built or read anything.
    qpa::qt::QtTray* trayForLaterStarts = nullptr;
    qpa::qt::SingleInstance instance;
    if (!instance.claim([&trayForLaterStarts] {
            if (trayForLaterStarts) trayForLaterStarts->actAsClicked();
        })) {
        return 0;
    }
    application.setQuitOnLastWindowClosed(false);  // hidden in the tray is still running
    const QIcon programIcon = titleBarAndTrayIcon();
    application.setWindowIcon(programIcon);

    qpa::qt::QtMainWindow window;
    // A stop from the session or a terminal closes the window as its close box does.
    qpa::qt::QuitOnSignals quitOnSignals([&window] { window.close(); });
    qpa::qt::MessageBoxes dialogs;
    dialogs.setOwner(&window);
    qpa::qt::IniSettings settings;
    qpa::qt::ExecutableFiles files;
    qpa::qt::XdgBrowser browser;
    qpa::SeededChance chance;
    qpa::qt::QtLocale locale;
    const std::unique_ptr<qpa::qt::LinuxDesktop> desktop =
        openDesktop([&dialogs, &window](const std::wstring& text, const wchar_t* title) {
            QTimer::singleShot(0, &window, [&dialogs, text, title] {
                dialogs.showMessage(text, qpa::MessageKind::Plain, title);
            });
        });
    desktop->attach(window);
    qpa::qt::QtTray tray(programIcon);
    trayForLaterStarts = &tray;
    tray.showBalloonsAs(desktop->notifications());
    window.setRestoredOutsideTray([&tray] { tray.actAsClicked(); });
    qpa::qt::AutostartFiles autostart;

    qpa::Form1 form(qpa::Form1Ports{window, window, dialogs, settings, files, browser, chance,
                                    locale, desktop->windows(), desktop->keyboard(), tray,
                                    autostart, desktop->display(), qpa::texts::kLinuxWords,
                                    window.handle()});
    form.Form_Load();
    window.showAfterLoad();
    if (!desktop->startMessage.empty()) {
        // Once the window is up, so that the note stands over it.
        QTimer::singleShot(0, &window, [&dialogs, &desktop] {
            dialogs.showMessage(desktop->startMessage, qpa::MessageKind::Plain,
                                desktop->startMessageTitle);
        });
    }
    if (const std::wstring file = settings.unreadableFile(); !file.empty()) {
        QTimer::singleShot(0, &window, [&dialogs, file] {
            dialogs.showMessage(qpa::texts::kSettingsUnreadablePrefix + file +
                                    qpa::texts::kSettingsUnreadableSuffix,
                                qpa::MessageKind::Warning, qpa::texts::kSettingsUnreadableTitle);
        });
    }
    return application.exec();
}
