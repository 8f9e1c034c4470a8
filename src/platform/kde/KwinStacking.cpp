#include "platform/kde/KwinStacking.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>
#include <QStandardPaths>

namespace qpa::kde {

namespace {
const QString kKwin = QStringLiteral("org.kde.KWin");
const QString kPath = QStringLiteral("/com/tervalinx/QuietPageAdvancer/KwinStacking");
const QString kInterface = QStringLiteral("com.tervalinx.QuietPageAdvancer.KwinStacking");
// KWin loads and runs a script in a few milliseconds; a step waits no longer than this for each.
constexpr int kCallTimeout = 250;
// KWin lets an unloaded script go on its next turn, long before the next step comes.
constexpr int kGoneChecks = 20;

// The surfaces a pointer could meet, as KWin's own windowAt() counts them: not closing, not
// minimised or hidden, on the current desktop and activity. Rounded to whole pixels; each line
// gives the frame, then the content.
constexpr char kScript[] = R"js(
const desktop = workspace.currentDesktop, activity = workspace.currentActivity;
const shown = w => !w.deleted && !w.minimized && !w.hidden &&
    (w.onAllDesktops || w.desktops.includes(desktop)) &&
    (w.activities.length === 0 || w.activities.includes(activity));
const rect = g => [g.x, g.y, g.width, g.height].map(Math.round).join(' ');
let answer = '%4';
const stack = workspace.stackingOrder;
for (let i = stack.length - 1; i >= 0; --i) {
    const w = stack[i];
    if (shown(w)) {
        answer += '\n' + w.internalId.toString() + ' ' + rect(w.frameGeometry) + ' ' +
            rect(w.clientGeometry);
    }
}
callDBus('%1', '%2', '%3', 'stacked', answer);
)js";

QDBusMessage callKwin(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments, QDBus::CallMode mode) {
    QDBusMessage message = QDBusMessage::createMethodCall(kKwin, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, mode, kCallTimeout);
}
}  // namespace

KwinStacking::KwinStacking()
    : scriptFile_(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                  QStringLiteral("/quiet-page-advancer-stacking-%1.js").arg(::getpid())) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
    if (const QDBusConnectionInterface* names = bus.interface()) {
        kwin_ = names->serviceOwner(kKwin).value();
    }
}

KwinStacking::~KwinStacking() {
    QDBusConnection::sessionBus().unregisterObject(kPath);
}

bool KwinStacking::writeScript(const QString& question) const {
    QFile file(scriptFile_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QString script = QString::fromLatin1(kScript).arg(
        QDBusConnection::sessionBus().baseService(), kPath, kInterface, question);
    return file.write(script.toUtf8()) >= 0 && file.flush();
}

// WORKAROUND: KWin numbers a loaded script by how many scripts it holds (Scripting::loadScript,
// 5.27 and 6) and lets an unloaded one go only on its next turn: a script loaded before then got
// the number, and so the D-Bus path, of one still there, and was never run (measured, KWin 6.3:
// 15 to 20 of 50 questions asked back to back went unanswered). The last one must be gone first.
bool KwinStacking::lastScriptGone() {
    for (int checks = 0; !unloaded_.isEmpty() && checks < kGoneChecks; ++checks) {
        const QDBusReply<bool> loaded =
            callKwin(QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"),
                     QStringLiteral("isScriptLoaded"), {unloaded_}, QDBus::Block);
        if (loaded.isValid() && !loaded.value()) unloaded_.clear();
    }
    if (unloaded_.isEmpty()) return true;
    unload(unloaded_);  // once more, should the first have been lost; the next step looks again
    return false;
}

void KwinStacking::unload(const QString& name) {
    callKwin(QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"),
             QStringLiteral("unloadScript"), {name}, QDBus::NoBlock);
    unloaded_ = name;
}

std::optional<std::string> KwinStacking::frontToBack() {
    const QString question = QString::number(++asked_);
    if (kwin_.isEmpty() || !lastScriptGone() || !writeScript(question)) return std::nullopt;
    question_ = question;
    answer_.reset();
    // A name of its own for each script, as KWin may still hold the last one by its name.
    const QString name = QStringLiteral("quiet-page-advancer-%1-%2").arg(::getpid()).arg(asked_);
    const QDBusReply<int> id =
        callKwin(QStringLiteral("/Scripting"), QStringLiteral("org.kde.kwin.Scripting"),
                 QStringLiteral("loadScript"), {scriptFile_, name}, QDBus::Block);
    if (id.isValid() && id.value() >= 0) {
        callKwin(QStringLiteral("/Scripting/Script%1").arg(id.value()),
                 QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run"), {}, QDBus::Block);
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);  // the script's answer
    }
    QFile::remove(scriptFile_);  // read by now, or never to be
    unload(name);
    question_.clear();
    if (!answer_) return std::nullopt;
    return answer_->toStdString();
}

void KwinStacking::stacked(const QString& answer) {
    const qsizetype firstLineEnd = answer.indexOf(QLatin1Char('\n'));
    if (message().service() != kwin_ || question_.isEmpty() ||
        answer.left(firstLineEnd) != question_) {
        return;  // another caller's, or the answer to a question given up on
    }
    answer_ = firstLineEnd < 0 ? QString() : answer.mid(firstLineEnd + 1);
}

}  // namespace qpa::kde
