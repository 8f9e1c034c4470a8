// The floor of the Linux start-up figure: a Qt Widgets window holding the same controls as the
// program's, placed by the same layout table, with the same fonts and a tray icon, and nothing
// else: no settings, no window list, no desktop adapters.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTreeWidget>
#include <QWidget>

#include "core/Layout.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bench Qt controls"));
    const double dpi = 96.0;
    const auto px = [dpi](int twips) { return static_cast<int>(twips * dpi / 1440.0 + 0.5); };
    window.setFixedSize(px(qpa::kClientWidthTwips), px(qpa::kClientHeightTwips));
    const auto qfont = [](const qpa::FontDesign& design) {
        QFont font(QString::fromWCharArray(design.face));
        font.setPointSizeF(design.hundredthsOfPoint / 100.0);
        font.setBold(design.bold);
        return font;
    };
    window.setFont(qfont(qpa::kWindowFont));
    for (const qpa::ControlPlacement& p : qpa::kMainWindowLayout) {
        const QString caption = QString::fromWCharArray(p.caption);
        QWidget* widget = nullptr;
        switch (p.kind) {
            case qpa::ControlKind::Frame:
                widget = new QGroupBox(caption, &window);
                break;
            case qpa::ControlKind::Label:
                widget = new QLabel(caption, &window);
                break;
            case qpa::ControlKind::TextField:
                widget = new QLineEdit(&window);
                break;
            case qpa::ControlKind::OptionButton:
                widget = new QRadioButton(caption, &window);
                break;
            case qpa::ControlKind::CheckBox:
                widget = new QCheckBox(caption, &window);
                break;
            case qpa::ControlKind::PushButton: {
                auto* button = new QPushButton(caption, &window);
                button->setFont(qfont(qpa::kButtonFont));
                widget = button;
                break;
            }
            case qpa::ControlKind::List:
                widget = new QTreeWidget(&window);
                break;
            case qpa::ControlKind::Progress:
                widget = new QProgressBar(&window);
                break;
        }
        widget->setGeometry(px(p.left), px(p.top), px(p.width), px(p.height));
    }
    window.show();
    QSystemTrayIcon tray(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.show();
    return application.exec();
}
