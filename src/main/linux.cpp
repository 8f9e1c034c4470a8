// The Linux program: Qt Widgets for the window and the tray; Xlib for other applications' windows
// and the toggle chord on X11, sway's IPC and a Wayland virtual pointer on sway.
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyleHints>
#include <QTimer>
#include <memory>

#include "app/Form1.h"
#include "core/Texts.h"
#include "platform/linux/AutostartFiles.h"
#include "platform/linux/CommandLine.h"
#include "platform/linux/IniSettings.h"
#include "platform/linux/QtMainWindow.h"
#include "platform/linux/QtServices.h"
#include "platform/linux/QtTray.h"
#include "platform/linux/ScreenSaverSuspend.h"
#include "platform/linux/SingleInstance.h"
#include "platform/linux/X11Hotkey.h"
#include "platform/linux/X11Windows.h"
#include "platform/portable/SeededChance.h"
#include "platform/wayland/ClosedDesktop.h"
#include "platform/wayland/IdleInhibit.h"
#include "platform/wayland/SwayHotkey.h"
#include "platform/wayland/SwayWindows.h"

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
// XWayland), sway's on sway, and none on a Wayland desktop that keeps programs apart.
struct DesktopAdapters {
    std::unique_ptr<qpa::wayland::WaylandClient> wayland;  // outlives what uses it
    std::unique_ptr<qpa::WindowServices> windows;
    std::unique_ptr<qpa::KeyboardHook> keyboard;
    std::unique_ptr<qpa::DisplayKeeper> display;
    std::function<void()> raiseOwnWindow;
    bool keepsWindowsApart = false;
};

DesktopAdapters chooseDesktop() {
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
    if (sway.isEmpty()) {
        d.windows = std::make_unique<qpa::wayland::NoWindows>();
        d.keyboard = std::make_unique<qpa::wayland::NoKeys>();
        d.keepsWindowsApart = true;
        return d;
    }
    auto windows =
        std::make_unique<qpa::wayland::SwayWindows>(sway.toStdString(), *d.wayland, &wheelLines);
    d.raiseOwnWindow = [w = windows.get()] { w->raiseOwn(qpa::texts::kProductName); };
    d.windows = std::move(windows);
    d.keyboard = std::make_unique<qpa::wayland::SwayHotkey>(sway.toStdString());
    return d;
}
}  // namespace

int main(int argc, char** argv) {
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
    qpa::qt::MessageBoxes dialogs;
    dialogs.setOwner(&window);
    qpa::qt::IniSettings settings;
    qpa::qt::ExecutableFiles files;
    qpa::qt::XdgBrowser browser;
    qpa::SeededChance chance;
    qpa::qt::QtLocale locale;
    DesktopAdapters desktop = chooseDesktop();
    window.setRaiseOwnWindow(desktop.raiseOwnWindow);
    qpa::qt::QtTray tray(programIcon);
    trayForLaterStarts = &tray;
    window.setRestoredOutsideTray([&tray] { tray.actAsClicked(); });
    qpa::x11::AutostartFiles autostart;

    qpa::Form1 form(qpa::Form1Ports{window, window, dialogs, settings, files, browser, chance,
                                    locale, *desktop.windows, *desktop.keyboard, tray, autostart,
                                    *desktop.display, qpa::texts::kLinuxWords});
    form.Form_Load();
    window.showAfterLoad();
    if (desktop.keepsWindowsApart) {
        // Once the window is up, so that the note stands over it.
        QTimer::singleShot(0, &window, [&dialogs] {
            dialogs.showMessage(qpa::texts::kDesktopKeepsWindowsApart, qpa::MessageKind::Plain,
                                qpa::texts::kDesktopKeepsWindowsApartTitle);
        });
    }
    return application.exec();
}
