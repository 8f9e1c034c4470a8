// A stand-in application for the Linux scenarios: a window with a long text that logs every wheel
// step it receives as "title|delta" and every key pressed in it as "title|key|code", and a
// fixed-size window (no maximise) that logs too.
// Usage: wheel-target LOGFILE
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>
#include <QWheelEvent>

namespace {

QString logPath;

void logLine(const QString& line) {
    QFile file(logPath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream(&file) << line << '\n';
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
        logLine(windowTitle() + '|' + QString::number(event->angleDelta().y()));
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
