#pragma once
#include <QObject>

#include "ports/Desktop.h"

namespace qpa::gnome {

// The toggle chord on GNOME: the program's Shell extension binds it and sends our program alone a
// signal for each press (a held chord's repeats are left out there).
class GnomeHotkey final : public QObject, public KeyboardHook {
    Q_OBJECT
  public:
    bool install(KeyEvents& events) override;
    void uninstall() override;

  private slots:
    void pressed();

  private:
    KeyEvents* events_ = nullptr;
};

}  // namespace qpa::gnome
