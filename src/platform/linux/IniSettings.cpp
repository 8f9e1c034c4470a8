#include "platform/linux/IniSettings.h"

#include <QSettings>
#include <QStringList>

#include "core/RuntimeError.h"
#include "platform/linux/QtText.h"

namespace qpa::qt {

std::optional<std::wstring> IniSettings::read(const std::wstring& application,
                                              const std::wstring& section,
                                              const std::wstring& key) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, qtext(application), qtext(section));
    if (!settings.contains(qtext(key))) return std::nullopt;
    const QVariant value = settings.value(qtext(key));
    // A value edited into a list ("a, b") reads back as its text.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(", ").toStdWString();
    return value.toString().toStdWString();
}

void IniSettings::write(const std::wstring& application, const std::wstring& section,
                        const std::wstring& key, const std::wstring& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, qtext(application), qtext(section));
    settings.setValue(qtext(key), qtext(value));
    settings.sync();
    if (settings.status() != QSettings::NoError || !settings.isWritable()) {
        throw RuntimeError(L"The setting \"" + key + L"\" could not be saved in " +
                           settings.fileName().toStdWString());
    }
}

}  // namespace qpa::qt
