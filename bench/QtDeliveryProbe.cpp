// The delivery figure under X11: "target N" is a window titled "Delivery Target" that prints the
// milliseconds between consecutive wheel steps; "timer N" the spacing of a bare one-second QTimer.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
QElapsedTimer clock_;
std::vector<double> stamps;
std::size_t wanted = 0;

void stamp() {
    stamps.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e6);
    if (stamps.size() > wanted) QApplication::quit();
}

class Target final : public QWidget {
  protected:
    void wheelEvent(QWheelEvent*) override { stamp(); }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) return 2;
    clock_.start();
    wanted = static_cast<std::size_t>(std::atoi(argv[2]));
    Target target;
    target.setWindowTitle(QStringLiteral("Delivery Target"));
    target.resize(300, 200);
    target.show();
    QTimer timer;
    if (std::string(argv[1]) == "timer") {
        QObject::connect(&timer, &QTimer::timeout, [] { stamp(); });
        timer.start(1000);
    }
    application.exec();
    for (std::size_t i = 1; i < stamps.size(); ++i)
        std::printf("%.2f\n", stamps[i] - stamps[i - 1]);
    return 0;
}
