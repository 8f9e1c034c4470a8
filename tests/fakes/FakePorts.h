#pragma once
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/RuntimeError.h"
#include "platform/Ports.h"

namespace qpa::fakes {

struct Shown {
    std::wstring prompt;
    int style;
    std::wstring title;
};

class FakeDialogs final : public Dialogs {
  public:
    void showMessage(const std::wstring& prompt, int style, const std::wstring& title) override {
        shown.push_back({prompt, style, title});
        if (whileShown) whileShown();
    }
    std::vector<Shown> shown;
    std::function<void()> whileShown;
};

// A settings store in memory that logs every write in order.
class MemorySettings final : public SettingsBackend {
  public:
    std::optional<std::wstring> read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override {
        lastAddress = application + L"\\" + section;
        auto it = values.find(key);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override {
        lastAddress = application + L"\\" + section;
        if (refuseWrites) throw RuntimeError(L"Access denied");
        values[key] = value;
        writes.push_back(key + L"=" + value);
    }
    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> writes;
    std::wstring lastAddress;
    bool refuseWrites = false;
};

class FakeFiles final : public ProgramFiles {
  public:
    std::wstring programFolder() const override { return L"C:\\Apps\\QPA"; }
    wchar_t separator() const override { return L'\\'; }
    bool modifiedTimeReadable(const std::wstring& path) const override {
        for (const auto& f : existing)
            if (f == path) return true;
        return false;
    }
    std::wstring findPlainFile(const std::wstring& path) const override {
        return modifiedTimeReadable(path) ? path.substr(path.rfind(L'\\') + 1) : std::wstring();
    }
    std::vector<std::wstring> existing;
};

class FakeLauncher final : public ProcessLauncher {
  public:
    void start(const std::wstring& commandLine, int showCommand) override {
        started.push_back(commandLine);
        lastShowCommand = showCommand;
    }
    std::vector<std::wstring> started;
    int lastShowCommand = -1;
};

class FakeChance final : public Chance {
  public:
    float secondsOfDay() override { return 43200.5f; }
    void seed(float s) override { seededWith = s; }
    double next() override { return draw; }
    double draw = 0.5;
    float seededWith = -1;
};

class FakeRegional final : public RegionalSettings {
  public:
    wchar_t decimalSeparator() const override { return separator; }
    wchar_t separator = L'.';
};

class FakeTimer final : public ScheduleTimer {
  public:
    void setEnabled(bool e) override { enabled_ = e; }
    void setInterval(int ms) override { interval_ = ms; }
    bool enabled() const override { return enabled_; }
    int interval() const override { return interval_; }

  private:
    bool enabled_ = false;
    int interval_ = 0;
};

}  // namespace qpa::fakes
