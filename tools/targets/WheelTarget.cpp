// A stand-in application for the Linux end-to-end scenarios and the delivery figures of bench/run:
// windows with a long text that log every wheel step they receive as "title|delta|milliseconds"
// (on the monotonic clock) and every key pressed in them as "title|key|code"; one of fixed size (no
// maximise) logs too. As a "reader", one such window and beside it a tooltip of its own (a popup
// on Wayland), which logs as well. As "readers", N such windows "Reader 01" ... "Reader N", each
// partly over the one before, as a cascade (on Wayland the compositor places windows itself, and
// bench/gnome-rotation puts them there).
// Usage: wheel-target LOGFILE [reader | readers N]
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <chrono>
#include <memory>
#include <vector>

namespace {

QString logPath;

// On the system's monotonic clock, which the program's tick notes use too (bench/run).
QString milliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return QString::number(std::chrono::duration<double, std::milli>(now).count(), 'f', 2);
}

void logLine(const QString& line) {
    QFile file(logPath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream(&file) << line << '\n';
}

class LoggingText final : public QPlainTextEdit {
  public:
    explicit LoggingText(const QString& title, Qt::WindowFlags flags = {}) {
        setWindowFlags(flags);
        setWindowTitle(title);
        QString text;
        for (int line = 1; line <= 3000; ++line)
            text += QStringLiteral("Line %1 of the target\n").arg(line);
        setPlainText(text);
    }

  protected:
    void wheelEvent(QWheelEvent* event) override {
        logLine(windowTitle() + '|' + QString::number(event->angleDelta().y()) + '|' +
                milliseconds());
        QPlainTextEdit::wheelEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        logLine(windowTitle() + QStringLiteral("|key|") + QString::number(event->key()));
        QPlainTextEdit::keyPressEvent(event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    logPath = QString::fromLocal8Bit(argv[1]);
    if (argc > 2 && QByteArray(argv[2]) == "reader") {
        LoggingText reader(QStringLiteral("Reader"));
        reader.resize(500, 350);
        reader.show();
        LoggingText tooltip(QStringLiteral("Tooltip"), Qt::ToolTip);
        tooltip.setFixedSize(200, 120);
        // Once the reader is on the screen: Wayland places a popup against its parent.
        QTimer waitForReader;
        QObject::connect(&waitForReader, &QTimer::timeout, [&] {
            if (!reader.windowHandle() || !reader.windowHandle()->isExposed()) return;
            waitForReader.stop();
            tooltip.winId();
            tooltip.windowHandle()->setTransientParent(reader.windowHandle());
            tooltip.move(reader.mapToGlobal(QPoint(reader.width() + 20, 0)));
            tooltip.show();
        });
        waitForReader.start(100);
        return application.exec();
    }
    if (argc > 3 && QByteArray(argv[2]) == "readers") {
        std::vector<std::unique_ptr<LoggingText>> readers;
        const int count = QByteArray(argv[3]).toInt();
        for (int n = 1; n <= count; ++n) {  // each shown after the one before: over it
            readers.push_back(std::make_unique<LoggingText>(
                QStringLiteral("Reader %1").arg(n, 2, 10, QLatin1Char('0'))));
            readers.back()->setGeometry(20 + 30 * (n - 1), 60 + 20 * (n - 1), 500, 320);
            readers.back()->show();
        }
        return application.exec();
    }
    LoggingText fixed(QStringLiteral("Fixed Target"));
    fixed.setFixedSize(300, 200);
    fixed.move(700, 500);
    fixed.show();
    LoggingText second(QStringLiteral("Target B"));
    second.setGeometry(600, 100, 500, 350);
    second.show();
    LoggingText first(QStringLiteral("Target A"));  // shown last: in front
    first.setGeometry(650, 150, 500, 350);
    first.show();
    return application.exec();
}
