// The width each caption of the Linux program's main window needs, for the X11 scenarios:
// "CONTROL NEEDED" a line, in Qt's device-independent pixels (as Qt 6.4 gives AT-SPI the controls'
// places), for the captioned controls that control-centres lists on standard input, with the
// window WIDTH device pixels wide (a window made smaller for a small screen has smaller fonts).
// Measured with Qt's fonts and style, in the program's session and scale: the caption's text, with
// an option's or a box's mark and the gap after it, or a button's margins.
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QTextStream>
#include <cmath>
#include <cstdio>

#include "core/Layout.h"
#include "platform/qt/ScaledMarks.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const int windowWidth = QString::fromLocal8Bit(argv[1]).toInt();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double ratio = screen->devicePixelRatio();
    const int dpi = qRound(screen->logicalDotsPerInch());
    // The dots per inch the window was laid out at: those that give it its width.
    int layoutDpi = dpi;
    while (layoutDpi > 1 &&
           qRound(qpa::twipsToPixels(qpa::kClientWidthTwips, layoutDpi) * ratio) > windowWidth)
        --layoutDpi;
    const auto metrics = [&](const qpa::FontDesign& design) {
        QFont font(QString::fromWCharArray(design.face));
        font.setPointSizeF(design.hundredthsOfPoint / 100.0 * layoutDpi / dpi);
        font.setBold(design.bold);
        return QFontMetrics(font);
    };
    const QFontMetrics text = metrics(qpa::kWindowFont), buttonText = metrics(qpa::kButtonFont);
    // The marks of a window laid out smaller than designed shrink with it, as the program has them.
    const qpa::qt::ScaledMarks smallerMarks(static_cast<double>(layoutDpi) / dpi);
    const QStyle* style = layoutDpi < dpi ? &smallerMarks : QApplication::style();
    QTextStream in(stdin);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        const QString& kind = fields.at(4);
        const QString& caption = fields.at(7);
        double needed = text.horizontalAdvance(caption);
        if (kind == QLatin1String("option")) {
            needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                      style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        } else if (kind == QLatin1String("check")) {
            needed += style->pixelMetric(QStyle::PM_IndicatorWidth) +
                      style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        } else if (kind == QLatin1String("button")) {
            needed = buttonText.horizontalAdvance(caption) +
                     2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        } else if (kind != QLatin1String("label") && kind != QLatin1String("frame")) {
            continue;
        }
        std::printf("%s %d\n", qPrintable(fields.at(0)), static_cast<int>(std::ceil(needed)));
    }
}
