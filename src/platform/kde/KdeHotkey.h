#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/kde/KdeRules.h"
#include "ports/Desktop.h"

namespace qpa::kde {

// The toggle chord as a global shortcut of KDE's shortcut service (kglobalaccel, inside KWin),
// over plain D-Bus messages: the service recognises Ctrl+Shift+T (and keeps the T from the
// focused application) and signals each press, read on the GUI thread. Held, the chord repeats
// its "pressed" signal: only the first one before the release counts.
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
    bool connectSignals(bool connect);

    QStringList actionId_;  // component, action, and their names for the user
    QString componentPath_;
    KeyEvents* sink_ = nullptr;
    PressOnce press_;
};

}  // namespace qpa::kde
