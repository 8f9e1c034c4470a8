#include "platform/qt/QtServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>

#include "platform/qt/QtText.h"

namespace qpa::qt {

namespace {
// Every message, its title and text as shown, when asked for with
// QT_LOGGING_RULES="qpa.messages.debug=true": what the user was told, for a log or a test.
Q_LOGGING_CATEGORY(messageLog, "qpa.messages", QtWarningMsg)

QString displayed(const std::wstring& text) {
    QString shown = qtext(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
}  // namespace

void MessageBoxes::showMessage(const std::wstring& prompt, MessageKind kind,
                               const std::wstring& title) {
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    qtext(title), displayed(prompt), QMessageBox::Ok, owner_);
    qCDebug(messageLog).noquote().nospace() << box.windowTitle() << '\n' << box.text();
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

std::wstring ExecutableFiles::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdWString();
}

bool ExecutableFiles::modifiedTimeReadable(const std::wstring& path) const {
    const QFileInfo info(qtext(path));
    return info.exists() && info.lastModified().isValid();
}

std::wstring ExecutableFiles::findPlainFile(const std::wstring& path) const {
    const QFileInfo info(qtext(path));
    if (!info.exists() || !info.isFile() || info.isHidden()) return {};
    return info.fileName().toStdWString();
}

void XdgBrowser::openAddress(const std::wstring& address) {
    QProcess::startDetached(QStringLiteral("xdg-open"), {qtext(address)});
}

wchar_t QtLocale::decimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? L'.' : static_cast<wchar_t>(point.at(0).unicode());
}

}  // namespace qpa::qt
