// The Linux program: Qt Widgets for the window and the tray, Xlib for other applications' windows
// and the toggle chord.
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStyleHints>

#include "app/Form1.h"
#include "platform/linux/AutostartFiles.h"
#include "platform/linux/IniSettings.h"
#include "platform/linux/QtMainWindow.h"
#include "platform/linux/QtServices.h"
#include "platform/linux/QtTray.h"
#include "platform/linux/ScreenSaverSuspend.h"
#include "platform/linux/X11Hotkey.h"
#include "platform/linux/X11Windows.h"
#include "platform/portable/SeededChance.h"

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
}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
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
    qpa::x11::X11Windows windows([] { return QGuiApplication::styleHints()->wheelScrollLines(); });
    qpa::x11::X11Hotkey keyboard;
    qpa::qt::QtTray tray(programIcon);
    qpa::x11::AutostartFiles autostart;
    qpa::x11::ScreenSaverSuspend display;

    qpa::Form1 form(qpa::Form1Ports{window, window, dialogs, settings, files, browser, chance,
                                    locale, windows, keyboard, tray, autostart, display});
    form.Form_Load();
    window.showAfterLoad();
    return application.exec();
}
