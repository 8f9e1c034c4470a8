#pragma once
#include <memory>

#include "app/Form1.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeView.h"
#include "fakes/FakeWindows.h"

namespace qpa::fakes {

// A main window controller wired to fakes of every port, made on first use.
class FakeForm {
  public:
    Form1& form() {
        if (!form_) {
            form_ = std::make_unique<Form1>(Form1Ports{view, timer, dialogs, settings, files,
                                                       launcher, chance, regional, windows,
                                                       keyboard, tray, startup, display});
        }
        return *form_;
    }
    Form1& loaded() {
        form().Form_Load();
        return *form_;
    }
    void addWindows(int count) {
        for (int i = 1; i <= count; ++i)
            windows.desktop.push_back({100 + i, kListable, L"Window " + std::to_wstring(i)});
    }

    FakeView view;
    FakeTimer timer;
    FakeDialogs dialogs;
    MemorySettings settings;
    FakeFiles files;
    FakeLauncher launcher;
    FakeChance chance;
    FakeRegional regional;
    FakeWindows windows;
    FakeKeyboard keyboard;
    FakeTray tray;
    FakeStartup startup;
    FakeDisplay display;

  private:
    std::unique_ptr<Form1> form_;
};

}  // namespace qpa::fakes
