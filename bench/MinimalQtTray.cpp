// The baseline of the memory figure: a Qt Widgets window with a tray icon and nothing else, as
// large as the program's window (the window's buffers grow with its size, whatever it shows).
#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QWidget>
#include <cmath>

#include "core/Layout.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt"));
    const int dpi = static_cast<int>(std::lround(window.screen()->logicalDotsPerInch()));
    window.resize(qpa::twipsToPixels(qpa::kClientWidthTwips, dpi),
                  qpa::twipsToPixels(qpa::kClientHeightTwips, dpi));
    window.show();
    QSystemTrayIcon tray(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.show();
    return application.exec();
}
