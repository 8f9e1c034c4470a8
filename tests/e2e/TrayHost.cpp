// A stand-in for Plasma's tray host and notification service, for the KDE scenarios (plasmashell
// would bring hundreds of packages and needs a GPU): it owns org.kde.StatusNotifierWatcher and
// org.freedesktop.Notifications on the session bus and logs, one a line, to LOGFILE:
//   item SERVICE PATH      a tray icon registered (a click is the test's Activate call on it)
//   gone SERVICE           its program left the bus
//   notify SUMMARY|BODY    a balloon
// Usage: tray-host LOGFILE
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QTextStream>
#include <QVariantMap>

namespace {

QString logPath;

void logLine(const QString& line) {
    QFile file(logPath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) return;
    QTextStream(&file) << line << '\n';
}

class Watcher final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
  public:
    Watcher() {
        gone_.setConnection(QDBusConnection::sessionBus());
        gone_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&gone_, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& s) {
            gone_.removeWatchedService(s);
            items_.removeIf([&s](const QString& item) { return item.startsWith(s + '/'); });
            logLine(QStringLiteral("gone ") + s);
            emit StatusNotifierItemUnregistered(s);
        });
    }
    QStringList items() const { return items_; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

  public slots:
    // Qt names its own service; other programs may name only an object path of the sender's.
    void RegisterStatusNotifierItem(const QString& what) {
        const bool path = what.startsWith('/');
        const QString service = path ? message().service() : what;
        const QString object = path ? what : QStringLiteral("/StatusNotifierItem");
        items_ << service + object;
        gone_.addWatchedService(service);
        logLine(QStringLiteral("item ") + service + ' ' + object);
        emit StatusNotifierItemRegistered(service + object);
    }
    void RegisterStatusNotifierHost(const QString&) {}

  signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

  private:
    QStringList items_;
    QDBusServiceWatcher gone_;
};

class Notifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        logLine(QStringLiteral("notify ") + summary + '|' + QString(body).replace('\n', ' '));
        return ++last_;
    }
    void CloseNotification(uint id) { emit NotificationClosed(id, 3); }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("tray-host");
    }

  signals:
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

  private:
    uint last_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2) return 2;
    logPath = QString::fromLocal8Bit(argv[1]);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    Notifications notifications;
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                          QDBusConnection::ExportAllProperties;
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher, exported) ||
        !bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &notifications,
                            exported) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        return 1;
    }
    logLine(QStringLiteral("up"));
    return application.exec();
}

#include "TrayHost.moc"
