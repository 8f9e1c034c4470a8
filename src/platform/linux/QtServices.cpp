#include "platform/linux/QtServices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>


namespace qpa::qt {

namespace {
QString q(const std::wstring& text) {
    return QString::fromStdWString(text);
}

QString displayed(const std::wstring& text) {
    QString shown = q(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
}  // namespace

void MessageBoxes::showMessage(const std::wstring& prompt, int style, const std::wstring& title) {
    QMessageBox box(style == 48 ? QMessageBox::Warning : QMessageBox::NoIcon, q(title),
                    displayed(prompt), QMessageBox::Ok, owner_);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

std::wstring ExecutableFiles::programFolder() const {
    return QCoreApplication::applicationDirPath().toStdWString();
}

bool ExecutableFiles::modifiedTimeReadable(const std::wstring& path) const {
    const QFileInfo info(q(path));
    return info.exists() && info.lastModified().isValid();
}

std::wstring ExecutableFiles::findPlainFile(const std::wstring& path) const {
    const QFileInfo info(q(path));
    if (!info.exists() || !info.isFile() || info.isHidden()) return {};
    return info.fileName().toStdWString();
}

std::vector<std::wstring> splitCommandLine(const std::wstring& commandLine) {
    std::vector<std::wstring> words;
    std::wstring word;
    bool quoted = false, inWord = false;
    for (wchar_t c : commandLine) {
        if (c == L'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == L' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

void DetachedProcesses::start(const std::wstring& commandLine, int) {
    auto words = splitCommandLine(commandLine);
    if (words.empty()) return;
    if (words.front() == L"explorer") words.front() = L"xdg-open";  // the desktop's browser
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i) arguments << q(words[i]);
    QProcess::startDetached(q(words.front()), arguments);
}

wchar_t QtLocale::decimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? L'.' : static_cast<wchar_t>(point.at(0).unicode());
}

}  // namespace qpa::qt
