#include "platform/qt/IniSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include "core/RuntimeError.h"
#include "platform/qt/QtText.h"

namespace qpa::qt {

namespace {
std::unique_ptr<QSettings> openSettings(const std::wstring& application,
                                        const std::wstring& section) {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       qtext(application), qtext(section));
}

// A settings file that is there (a file, or something else under its name) but will not open for
// reading; QSettings would take it for an empty one.
bool unreadable(const QString& fileName) {
    QFile file(fileName);
    return QFileInfo::exists(fileName) && !file.open(QIODevice::ReadOnly);
}
}  // namespace

// One settings file: QSettings' copy of it, or, when it could not be read, the changes alone.
struct IniSettings::File {
    std::unique_ptr<QSettings> settings;
    std::map<std::wstring, std::wstring> keptInMemory;
    QString unreadableName;
};

IniSettings::IniSettings() = default;
IniSettings::~IniSettings() = default;

IniSettings::File& IniSettings::file(const std::wstring& application, const std::wstring& section) {
    auto& file = files_[{application, section}];
    if (file) return *file;
    file = std::make_unique<File>();
    file->settings = openSettings(application, section);
    if (unreadable(file->settings->fileName())) {
        file->unreadableName = file->settings->fileName();
        file->settings.reset();
    }
    return *file;
}

std::optional<std::wstring> IniSettings::read(const std::wstring& application,
                                              const std::wstring& section,
                                              const std::wstring& key) {
    File& f = file(application, section);
    if (!f.settings) {
        const auto kept = f.keptInMemory.find(key);
        return kept == f.keptInMemory.end() ? std::nullopt : std::optional(kept->second);
    }
    if (!f.settings->contains(qtext(key))) return std::nullopt;
    const QVariant value = f.settings->value(qtext(key));
    // A value edited into a list ("a, b") reads back as its text.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(", ").toStdWString();
    return value.toString().toStdWString();
}

void IniSettings::write(const std::wstring& application, const std::wstring& section,
                        const std::wstring& key, const std::wstring& value) {
    File& f = file(application, section);
    if (!f.settings) {
        f.keptInMemory[key] = value;
        return;
    }
    const QString name = qtext(key), text = qtext(value);
    // Start-up stores back every value it restored: one the file holds already costs no rewrite.
    const QVariant stored = f.settings->value(name);
    if (stored.userType() == QMetaType::QString && stored.toString() == text) return;
    f.settings->setValue(name, text);
    f.settings->sync();
    if (f.settings->status() == QSettings::NoError && f.settings->isWritable()) return;
    const std::wstring fileName = f.settings->fileName().toStdWString();
    // QSettings keeps its first error for good: read the file afresh, so that the next write is
    // judged by itself and reads give what the file holds.
    f.settings = openSettings(application, section);
    throw RuntimeError(L"The setting \"" + key + L"\" could not be saved in " + fileName);
}

std::wstring IniSettings::unreadableFile() const {
    for (const auto& [names, f] : files_)
        if (!f->unreadableName.isEmpty()) return f->unreadableName.toStdWString();
    return {};
}

}  // namespace qpa::qt
