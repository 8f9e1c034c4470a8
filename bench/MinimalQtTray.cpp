// The baseline of the memory figure: a Qt Widgets window with a tray icon and nothing else.
#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt"));
    window.resize(400, 300);
    window.show();
    QSystemTrayIcon tray(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.show();
    return application.exec();
}
