#pragma once
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace qpa::kde {

// What the screen shows at this moment, as KWin itself has it: every shown surface front to back,
// popups, panels and notifications included, of which KWin's window management lists none. Asked
// through a KWin script of our own (scripting needs no permission), loaded, run and unloaded over
// D-Bus; the script answers by calling this object. KWin replies to "run" only once the script
// has run, and sends the script's call before that reply: when the reply is in, the answer waits
// among the GUI thread's posted events, and is taken from there without running the event loop.
class KwinStacking final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.tervalinx.QuietPageAdvancer.KwinStacking")
  public:
    KwinStacking();
    ~KwinStacking() override;
    KwinStacking(const KwinStacking&) = delete;
    KwinStacking& operator=(const KwinStacking&) = delete;

    // The shown surfaces front to back, one a line: "uuid x y width height x y width height", the
    // frame and then the content; nothing when KWin did not answer in time.
    std::optional<std::string> frontToBack();

  public slots:
    // The script's answer: the question's number on the first line, then the surfaces.
    Q_SCRIPTABLE void stacked(const QString& answer);

  private:
    bool writeScript(const QString& question) const;
    bool lastScriptGone();
    void unload(const QString& name);

    QString scriptFile_;  // there only while a question is asked
    QString kwin_;        // KWin's own name on the bus: the only caller whose answer counts
    QString question_;    // the number of the question asked now
    QString unloaded_;    // the last script's name, until KWin has let it go
    std::optional<QString> answer_;
    std::uint64_t asked_ = 0;
};

}  // namespace qpa::kde
