// A stand-in application for the Linux tests: a window with a long text that logs every wheel
// step it receives, and a fixed-size window (no maximise) that logs too.
// Usage: wheel-target LOGFILE
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QWheelEvent>

namespace {

QString logPath;

void logWheel(const QString& title, int delta) {
    QFile file(logPath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream(&file) << title << '|' << delta << '\n';
}

class LoggingText final : public QPlainTextEdit {
public:
    explicit LoggingText(const QString& title) {
        setWindowTitle(title);
        QString text;
        for (int line = 1; line <= 3000; ++line) text += QStringLiteral("Line %1 of the target\n").arg(line);
        setPlainText(text);
    }

protected:
    void wheelEvent(QWheelEvent* event) override {
        logWheel(windowTitle(), event->angleDelta().y());
        QPlainTextEdit::wheelEvent(event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    logPath = QString::fromLocal8Bit(argv[1]);
    LoggingText fixed(QStringLiteral("Fixed Target"));
    fixed.setFixedSize(300, 200);
    fixed.move(700, 500);
    fixed.show();
    LoggingText target(QStringLiteral("Qt Target"));
    target.resize(500, 400);
    target.move(650, 80);
    target.show();
    return application.exec();
}
