// The Linux program: Qt Widgets for the window and the tray; Xlib for other applications' windows
// and the toggle chord on X11, sway's IPC and a Wayland virtual pointer on sway, the program's
// Shell extension on GNOME, KWin's window management, fake input and shortcut service on KDE
// Plasma.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "app/Form1.h"
#include "core/Texts.h"
#include "platform/gnome/ExtensionSetup.h"
#include "platform/gnome/GnomeHotkey.h"
#include "platform/gnome/GnomeWindows.h"
#include "platform/gnome/ShellBridge.h"
#include "platform/kde/KdeHotkey.h"
#include "platform/kde/KdeWindows.h"
#include "platform/kde/KwinOwnWindow.h"
#include "platform/kde/KwinPermission.h"
#include "platform/portable/SeededChance.h"
#include "platform/qt/AutostartFiles.h"
#include "platform/qt/CommandLine.h"
#include "platform/qt/DesktopNotifications.h"
#include "platform/qt/IniSettings.h"
#include "platform/qt/QtMainWindow.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/QuitOnSignals.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/WidgetsWithoutOpenGl.h"
#include "platform/wayland/ChordWatcher.h"
#include "platform/wayland/ClosedDesktop.h"
#include "platform/wayland/IdleInhibit.h"
#include "platform/wayland/SwayHotkey.h"
#include "platform/wayland/SwayOwnView.h"
#include "platform/wayland/SwayWindows.h"
#include "platform/x11/ScreenSaverSuspend.h"
#include "platform/x11/X11Hotkey.h"
#include "platform/x11/X11Windows.h"

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

int wheelLines() {
    return QGuiApplication::styleHints()->wheelScrollLines();
}

// The adapters that reach other applications' windows, the keys and the display: X11's (also on
// XWayland), sway's on sway, GNOME's on GNOME, and none on a Wayland desktop that keeps programs
// apart.
struct DesktopAdapters {
    std::unique_ptr<qpa::wayland::WaylandClient> wayland;  // outlives what uses it
    std::unique_ptr<qpa::gnome::ShellBridge> gnomeShell;   // the same
    std::unique_ptr<qpa::kde::KwinConnection> kwin;        // outlives what uses it
    std::unique_ptr<qpa::WindowServices> windows;
    std::unique_ptr<qpa::KeyboardHook> keyboard;
    std::unique_ptr<qpa::DisplayKeeper> display;
    std::function<void()> raiseOwnWindow;
    std::unique_ptr<QObject> keepOwnViewTiled;
    // The one message for the user at start-up, with its title, when the desktop needs a step
    // first; empty when none.
    std::wstring startMessage, startMessageTitle;
    // GNOME shows no balloon of Qt's: the program sends them as notifications itself.
    std::unique_ptr<qpa::qt::DesktopNotifications> notifications;
};

// Shows the user a message with a title, once the event loop runs.
using Tell = std::function<void(const std::wstring& text, const wchar_t* title)>;

bool gnomeSession() {
    const QList<QByteArray> desktops = qgetenv("XDG_CURRENT_DESKTOP").split(':');
    return std::any_of(desktops.begin(), desktops.end(), [](const QByteArray& desktop) {
        return desktop.compare("GNOME", Qt::CaseInsensitive) == 0;
    });
}

void chooseGnome(DesktopAdapters& d, const Tell& tell) {
    if (const auto message = qpa::gnome::prepareShellExtension()) {
        d.startMessage = *message;
        d.startMessageTitle = qpa::texts::kGnomeExtensionTitle;
    }
    d.gnomeShell = std::make_unique<qpa::gnome::ShellBridge>(
        [tell](const std::wstring& text) { tell(text, qpa::texts::kGnomeExtensionTitle); });
    auto windows = std::make_unique<qpa::gnome::GnomeWindows>(*d.gnomeShell, &wheelLines);
    d.raiseOwnWindow = [w = windows.get()] { w->raiseOwn(qpa::texts::kProductName); };
    d.windows = std::move(windows);
    d.keyboard = std::make_unique<qpa::gnome::GnomeHotkey>();
    d.notifications = std::make_unique<qpa::qt::DesktopNotifications>();
}

// KDE Plasma on Wayland: the session says so, or KWin is on the session bus.
bool isKdeSession() {
    if (qgetenv("XDG_CURRENT_DESKTOP").split(':').contains("KDE")) return true;
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.KWin")).value();
}

// KWin's window management and fake input, shown to this program once a desktop entry names it.
void chooseKdeAdapters(DesktopAdapters& d) {
    qpa::qt::leaveOutOpenGlIntegration();
    d.kwin = qpa::kde::connectWithPermission();
    if (!d.kwin->managesWindows() || !d.kwin->fakeInput()) {
        d.startMessage = qpa::kde::hiddenWindowsMessage();
        d.startMessageTitle = qpa::texts::kDesktopKeepsWindowsApartTitle;
    }
    d.windows = std::make_unique<qpa::kde::KdeWindows>(*d.kwin, &wheelLines);
    d.keyboard = std::make_unique<qpa::kde::KdeHotkey>();
}

DesktopAdapters chooseDesktop(const Tell& tell) {
    DesktopAdapters d;
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        d.windows = std::make_unique<qpa::x11::X11Windows>(&wheelLines);
        d.keyboard = std::make_unique<qpa::x11::X11Hotkey>();
        d.display = std::make_unique<qpa::x11::ScreenSaverSuspend>();
        return d;
    }
    d.wayland = std::make_unique<qpa::wayland::WaylandClient>();
    d.display = std::make_unique<qpa::wayland::IdleInhibit>(*d.wayland);
    const QByteArray sway = qgetenv("SWAYSOCK");
    if (sway.isEmpty() && gnomeSession()) {
        chooseGnome(d, tell);
        return d;
    }
    if (sway.isEmpty() && isKdeSession()) {
        chooseKdeAdapters(d);
        return d;
    }
    if (sway.isEmpty()) {
        d.windows = std::make_unique<qpa::wayland::NoWindows>();
        d.keyboard = std::make_unique<qpa::wayland::NoKeys>();
        d.startMessage = qpa::texts::kDesktopKeepsWindowsApart;
        d.startMessageTitle = qpa::texts::kDesktopKeepsWindowsApartTitle;
        return d;
    }
    qpa::qt::leaveOutOpenGlIntegration();
    auto windows =
        std::make_unique<qpa::wayland::SwayWindows>(sway.toStdString(), *d.wayland, &wheelLines);
    d.raiseOwnWindow = [w = windows.get()] { w->raiseOwn(qpa::texts::kProductName); };
    d.windows = std::move(windows);
    d.keyboard = std::make_unique<qpa::wayland::SwayHotkey>(sway.toStdString());
    d.keepOwnViewTiled =
        std::make_unique<qpa::wayland::SwayOwnView>(sway.toStdString(), qpa::texts::kProductName);
    return d;
}
}  // namespace

int main(int argc, char** argv) {
    // The small processes that give sway's or KDE's chord back should the program be killed.
    if (const auto watcherExit = qpa::wayland::runAsChordWatcher(argc, argv)) return *watcherExit;
    if (const auto watcherExit = qpa::kde::runAsKdeChordWatcher(argc, argv)) return *watcherExit;
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
    DesktopAdapters desktop =
        chooseDesktop([&dialogs, &window](const std::wstring& text, const wchar_t* title) {
            QTimer::singleShot(0, &window, [&dialogs, text, title] {
                dialogs.showMessage(text, qpa::MessageKind::Plain, title);
            });
        });
    window.setRaiseOwnWindow(desktop.raiseOwnWindow);
    std::unique_ptr<qpa::kde::KwinOwnWindow> minimisedByKwin;
    if (desktop.kwin && desktop.kwin->managesWindows()) {
        minimisedByKwin = std::make_unique<qpa::kde::KwinOwnWindow>(
            *desktop.kwin, qpa::texts::kProductName, [&window] { window.minimisedByDesktop(); });
    }
    qpa::qt::QtTray tray(programIcon);
    trayForLaterStarts = &tray;
    tray.showBalloonsAs(desktop.notifications.get());
    window.setRestoredOutsideTray([&tray] { tray.actAsClicked(); });
    qpa::qt::AutostartFiles autostart;

    qpa::Form1 form(qpa::Form1Ports{window, window, dialogs, settings, files, browser, chance,
                                    locale, *desktop.windows, *desktop.keyboard, tray, autostart,
                                    *desktop.display, qpa::texts::kLinuxWords, window.handle()});
    form.Form_Load();
    window.showAfterLoad();
    if (!desktop.startMessage.empty()) {
        // Once the window is up, so that the note stands over it.
        QTimer::singleShot(0, &window, [&dialogs, &desktop] {
            dialogs.showMessage(desktop.startMessage, qpa::MessageKind::Plain,
                                desktop.startMessageTitle);
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
