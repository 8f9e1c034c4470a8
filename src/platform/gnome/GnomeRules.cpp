#include "platform/gnome/GnomeRules.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "core/Texts.h"
#include "platform/portable/WheelNotches.h"

namespace qpa::gnome {

WindowFacts factsOf(const ShellWindow& window, qint64 ownPid) {
    WindowFacts facts;
    facts.handle = static_cast<WindowHandle>(window.id);
    facts.title = window.title.toStdWString();
    facts.visible = true;  // the Shell lists mapped windows and minimised ones alike
    facts.canMaximise = window.canMaximise;
    facts.ours = window.pid == ownPid;
    return facts;
}

QString extensionFor(const QString& shellVersion) {
    bool number = false;
    const int major = shellVersion.section(QLatin1Char('.'), 0, 0).toInt(&number);
    return number && major < 45 ? QString::fromLatin1(kLegacyExtension)
                                : QString::fromLatin1(kModuleExtension);
}

int notchesDown(std::int32_t delta) {
    const int notches = wheelNotches(delta);
    return delta > 0 ? -notches : notches;
}

ExtensionState extensionState(const QVariantMap& info) {
    if (info.isEmpty()) return ExtensionState::Unknown;
    // The Shell's ExtensionState numbers, the same from 43 to 50.
    switch (static_cast<int>(info.value(QStringLiteral("state")).toDouble())) {
        case 1:  // enabled
        case 8:  // enabling
            return ExtensionState::Running;
        case 3:  // error
            return ExtensionState::Failed;
        case 4:  // out of date
            return ExtensionState::Outdated;
        case 99:  // uninstalled
            return ExtensionState::Unknown;
        default:  // disabled, initialised, disabling, downloading
            return ExtensionState::Off;
    }
}

QStringList printedList(const QString& printed) {
    QStringList items;
    static const QRegularExpression item(QStringLiteral("'([^']*)'"));
    for (auto match = item.globalMatch(printed); match.hasNext();)
        items << match.next().captured(1);
    return items;
}

QString enabledListWith(const QString& printed, const QString& uuid) {
    QStringList items = printedList(printed);
    if (items.contains(uuid)) return {};
    items << uuid;
    for (QString& name : items) name = QLatin1Char('\'') + name + QLatin1Char('\'');
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

std::wstring extensionTrouble(const std::wstring& why) {
    return texts::kGnomeExtensionFailedPrefix + why + texts::kGnomeExtensionFailedSuffix;
}

int metadataVersion(const QByteArray& metadataJson) {
    return QJsonDocument::fromJson(metadataJson).object().value(QStringLiteral("version")).toInt();
}

}  // namespace qpa::gnome
