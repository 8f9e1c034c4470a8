// The Linux program's settings file as QSettings keeps it, for the scenarios, bench/run and
// scripts/run to seed and read the way the program itself does (QSettings' own escaping of keys
// and values; none copied here). The file is found as the program finds it ($XDG_CONFIG_HOME).
//   qpa-settings set KEY=VALUE...   stores each pair
//   qpa-settings get KEY            prints the stored value, or nothing when there is none
//   qpa-settings keys               prints the stored keys, one a line, sorted
#include <QSettings>
#include <QStringList>
#include <QTextStream>

#include "core/Texts.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromWCharArray(qpa::texts::kSettingsApplication),
                       QString::fromWCharArray(qpa::texts::kSettingsSection));
    const QString verb = QString::fromLocal8Bit(argv[1]);
    QTextStream out(stdout);
    if (verb == QLatin1String("set")) {
        for (int i = 2; i < argc; ++i) {
            const QString pair = QString::fromLocal8Bit(argv[i]);
            const auto equals = pair.indexOf(QLatin1Char('='));
            if (equals <= 0) return 2;
            settings.setValue(pair.left(equals), pair.mid(equals + 1));
        }
        settings.sync();
        return settings.status() == QSettings::NoError ? 0 : 1;
    }
    if (verb == QLatin1String("get") && argc == 3) {
        const QVariant value = settings.value(QString::fromLocal8Bit(argv[2]));
        // A value edited into a list ("a, b") reads back as its text, as the program reads it.
        if (value.userType() == QMetaType::QStringList)
            out << value.toStringList().join(QStringLiteral(", ")) << '\n';
        else if (value.isValid())
            out << value.toString() << '\n';
        return 0;
    }
    if (verb == QLatin1String("keys")) {
        QStringList keys = settings.allKeys();
        keys.sort();
        for (const QString& key : keys) out << key << '\n';
        return 0;
    }
    return 2;
}
