#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/DesktopPorts.h"

namespace qpa::fakes {

// Key states served in order per key, and a log of the hook's calls.
class FakeKeyboard final : public KeyboardHookPort {
  public:
    std::intptr_t install() override {
        log.push_back(L"install");
        return installResult;
    }
    void uninstall(std::intptr_t hook) override {
        log.push_back(L"uninstall " + std::to_wstring(hook));
    }
    std::intptr_t callNext(std::intptr_t hook, int code, std::uintptr_t, std::intptr_t) override {
        log.push_back(L"next " + std::to_wstring(hook) + L" " + std::to_wstring(code));
        return 77;
    }
    std::int16_t asyncKeyState(int key) override {
        queried.push_back(key);
        auto& states = keys[key];
        if (states.empty()) return 0;
        const std::int16_t state = states.front();
        if (states.size() > 1) states.pop_front();
        return state;
    }
    void postToggle() override {
        log.push_back(L"toggle");
        if (onToggle) onToggle();
    }
    std::intptr_t installResult = 0x51;
    std::map<int, std::deque<std::int16_t>> keys;
    std::vector<int> queried;
    std::vector<std::wstring> log;
    std::function<void()> onToggle;
};

class FakeTray final : public TrayShell {
  public:
    WindowHandle ownWindow() override { return 0x7777; }
    void routeCallbacks(bool routed) override { log.push_back(routed ? L"route" : L"unroute"); }
    void notify(const NotifyRecord& record) override { records.push_back(record); }
    std::intptr_t designedIcon() override { return 0x1C0; }
    double elapsedSeconds() override { return now; }
    void waitForEvents(double maximumSeconds) override {
        ++waits;
        if (duringWait) {
            duringWait();
        } else {
            now += maximumSeconds;  // nothing happens: the wait runs out
        }
    }
    std::vector<NotifyRecord> records;
    std::vector<std::wstring> log;
    double now = 100.0;
    int waits = 0;
    std::function<void()> duringWait;
};

class FakeStartup final : public StartupRegistry {
  public:
    std::wstring programPath() const override { return path; }
    bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) override {
        if (scope == Scope::Machine ? !machineWritable : !userWritable) return false;
        (scope == Scope::Machine ? machine : user)[name] = command;
        return true;
    }
    void removeEntry(Scope scope, const std::wstring& name) override {
        (scope == Scope::Machine ? machine : user).erase(name);
    }
    std::wstring path = L"C:\\Program Files\\Tervalinx\\QuietPageAdvancer.exe";
    bool machineWritable = true;
    bool userWritable = true;
    std::map<std::wstring, std::wstring> machine;
    std::map<std::wstring, std::wstring> user;
};

class FakeDisplay final : public DisplayKeeper {
  public:
    void keepAwake(bool value) override {
        awake = value;
        changes.push_back(value);
    }
    bool awake = false;
    std::vector<bool> changes;
};

}  // namespace qpa::fakes
