#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/kde/KdeRules.h"
#include "platform/qt/EndWatcher.h"
#include "platform/qt/UniqueFd.h"
#include "ports/Desktop.h"

namespace qpa::kde {

// The toggle chord as a global shortcut of KDE's shortcut service (kglobalaccel, inside KWin),
// over plain D-Bus messages: the service recognises Ctrl+Shift+T (and keeps the T from the
// focused application) and signals each press, read on the GUI thread. Held, the chord repeats
// its "pressed" signal: only the first one before the release counts. The service keeps a
// shortcut active after its program has gone: closing gives the keys back to the other
// applications, and so does a watcher process when this one dies without closing. A lock file
// held while the chord is ours keeps that watcher from taking the keys from a later program.
class KdeHotkey final : public QObject, public KeyboardHook {
    Q_OBJECT
  public:
    KdeHotkey();
    ~KdeHotkey() override;

    bool install(KeyEvents& events) override;
    void uninstall() override;

  private slots:
    void pressed(const QString& component, const QString& action, qlonglong timestamp);
    void released(const QString& component, const QString& action, qlonglong timestamp);

  private:
    bool registerChord();
    bool connectSignals(bool connect);

    QStringList actionId_;  // component, action, and their names for the user
    QString componentPath_;
    KeyEvents* sink_ = nullptr;
    PressOnce press_;
    qt::UniqueFd held_;  // the lock, while the chord is ours
    qt::EndWatcher watcher_;
};

// When this process was started as the watcher of a program's chord: waits for the program to
// end and, unless a later program holds the chord now, gives the keys back. Nothing for the
// program itself.
std::optional<int> runAsKdeChordWatcher(int argc, char** argv);

}  // namespace qpa::kde
