#pragma once
// Fakes of every port, recording what the core asked of them as plain data, and a controller
// wired to them.
#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Form1.h"
#include "core/RuntimeError.h"

namespace qpa::fakes {

class FakeView final : public MainView, public ScheduleTimer {
  public:
    FakeView() {
        options[1] = options[7] = true;  // as designed
        captions[Control::PushButton2] = L"Turn On";
        captions[Control::Frame4] = L"Off.";
    }
    void setEvents(ViewEvents& e) override { events = &e; }
    void postClick(Control c) override { posted.push_back(c); }
    WindowHandle handle() const override { return 0x1000; }
    void setCaption(Control c, const std::wstring& text) override { captions[c] = text; }
    std::wstring caption(Control c) const override { return get(captions, c); }
    void setProgramIcon() override { log.push_back(L"icon"); }
    void useButtonFaceColours() override { log.push_back(L"button face"); }
    bool loadCustomPointer(const std::wstring& path) override {
        log.push_back(L"pointer image " + path);
        return true;
    }
    void setPointer(Pointer p) override { pointer = p; }
    void setWindowState(WindowState s) override {
        state = s;
        if (onResize) onResize();
    }
    WindowState windowState() const override { return state; }
    void setWindowVisible(bool v) override { visible = v; }
    void activateWindow() override {
        state = WindowState::Normal;
        log.push_back(L"activate");
    }
    bool optionValue(int n) const override { return options.at(static_cast<std::size_t>(n)); }
    void setOptionValue(int n, bool on) override {
        const auto [first, last] = optionGroup(n);
        for (int i = first; on && i <= last; ++i) options[static_cast<std::size_t>(i)] = false;
        options[static_cast<std::size_t>(n)] = on;
    }
    std::wstring text(Control f) const override { return get(texts, f); }
    void setText(Control f, const std::wstring& t) override { texts[f] = t; }
    void selectAllText(Control f) override { log.push_back(L"select all " + name(f)); }
    void setFocus(Control c) override {
        log.push_back(L"focus " + name(c));
        if (onFocus) onFocus(c);
    }
    bool checked(Control b) const override { return get(checks, b); }
    void setChecked(Control b, bool v) override { checks[b] = v; }
    void setControlVisible(Control c, bool v) override { shownControls[c] = v; }
    void setProgressMaximum(std::int32_t m) override { progressMaximum = m; }
    void setProgressValue(std::int32_t v) override { progressValue = v; }
    void setProgressText(const std::wstring& t) override { progressText = t; }
    void addListColumn(const std::wstring& header, int width) override {
        column = header + L" " + std::to_wstring(width);
    }
    void clearList() override {
        items.clear();
        selected = 0;
    }
    void appendListItem(const std::wstring& t) override { items.push_back(t); }
    int listCount() const override { return static_cast<int>(items.size()); }
    int selectedListIndex() const override { return selected; }
    void selectListItem(int index) override { selected = index; }
    void letPendingEventsRun() override {
        ++pendingEventRuns;
        if (duringPendingEvents) duringPendingEvents();
    }
    // ScheduleTimer: the interval while started, 0 while stopped.
    void start(int ms) override { timer = ms; }
    void stop() override { timer = 0; }

    // Runs the clicks posted so far, as the window's message loop would.
    void runPosted() {
        for (Control c : std::exchange(posted, {})) events->raise(c, UiEvent::Click);
    }
    static std::wstring name(Control c) { return c == Control::Text2 ? L"Text2" : L"Text3"; }

    ViewEvents* events = nullptr;
    std::vector<Control> posted;
    std::map<Control, std::wstring> captions, texts;
    std::map<Control, bool> checks, shownControls;
    std::array<bool, 9> options{};
    Pointer pointer = Pointer::Default;
    WindowState state = WindowState::Normal;
    bool visible = true;
    std::int32_t progressMaximum = 100, progressValue = 0;
    std::wstring progressText = L"Progress Bar", column;
    std::vector<std::wstring> items, log;
    int selected = 0, timer = 0, pendingEventRuns = 0;
    std::function<void()> duringPendingEvents, onResize;
    std::function<void(Control)> onFocus;

  private:
    template <class Map>
    static typename Map::mapped_type get(const Map& map, Control c) {
        const auto it = map.find(c);
        return it == map.end() ? typename Map::mapped_type{} : it->second;
    }
};

struct Shown {
    std::wstring prompt;
    MessageKind kind;
    std::wstring title;
};

class FakeDialogs final : public Dialogs {
  public:
    void showMessage(const std::wstring& prompt, MessageKind kind,
                     const std::wstring& title) override {
        shown.push_back({prompt, kind, title});
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
        address = application + L"\\" + section;
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override {
        address = application + L"\\" + section;
        if (refuseWrites) throw RuntimeError(L"Access denied");
        values[key] = value;
        writes.push_back(key + L"=" + value);
    }
    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> writes;
    std::wstring address;
    bool refuseWrites = false;
};

class FakeFiles final : public ProgramFiles {
  public:
    std::wstring programFolder() const override { return L"C:\\Apps"; }
    wchar_t separator() const override { return L'\\'; }
    bool modifiedTimeReadable(const std::wstring& path) const override {
        return std::find(existing.begin(), existing.end(), path) != existing.end();
    }
    std::wstring findPlainFile(const std::wstring& path) const override {
        return modifiedTimeReadable(path) ? path.substr(path.rfind(L'\\') + 1) : std::wstring();
    }
    std::vector<std::wstring> existing;
};

class FakeBrowser final : public Browser {
  public:
    void openAddress(const std::wstring& address) override { opened.push_back(address); }
    std::vector<std::wstring> opened;
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

// A desktop of top-level windows, front to back, that logs what a scroll step does.
class FakeWindows final : public WindowServices {
  public:
    std::vector<WindowFacts> topLevelWindows() override { return desktop; }
    void raise(WindowHandle w) override { calls.push_back(L"raise " + id(w)); }
    void holdAbove(WindowHandle w, bool above) override {
        calls.push_back(L"above " + id(w) + (above ? L" on" : L" off"));
    }
    void show(WindowHandle w) override { calls.push_back(L"show " + id(w)); }
    void scroll(WindowHandle w, std::int32_t delta) override {
        calls.push_back(L"scroll " + id(w) + L" " + std::to_wstring(delta));
    }
    bool wheelPresent() override { return wheel; }
    std::optional<std::int32_t> wheelScrollLines() override { return lines; }

    // The scroll calls only.
    std::vector<std::wstring> scrolls() const {
        std::vector<std::wstring> out;
        for (const auto& c : calls)
            if (c.rfind(L"scroll", 0) == 0) out.push_back(c);
        return out;
    }
    static std::wstring id(WindowHandle w) { return std::to_wstring(w); }

    std::vector<WindowFacts> desktop;
    std::vector<std::wstring> calls;
    bool wheel = true;
    std::optional<std::int32_t> lines = 3;
};

// Key states served in order per key (the last one stays), and the keys asked for.
class FakeKeyboard final : public KeyboardHook {
  public:
    bool install(KeyEvents& e) override {
        events = &e;
        return true;
    }
    void uninstall() override {
        events = nullptr;
        ++uninstalls;
    }
    KeyState keyState(Key key) override {
        queried.push_back(key);
        auto& served = states[key];
        if (served.empty()) return {};
        const KeyState state = served.front();
        if (served.size() > 1) served.pop_front();
        return state;
    }
    KeyEvents* events = nullptr;
    int uninstalls = 0;
    std::map<Key, std::deque<KeyState>> states;
    std::vector<Key> queried;
};

class FakeTray final : public TrayShell {
  public:
    TrayPicture designedPicture() override { return 7; }
    void add(TrayEvents& e, TrayPicture picture, const std::wstring& tip) override {
        events = &e;
        log.push_back(L"add " + std::to_wstring(picture) + L" " + tip);
    }
    void changePicture(TrayPicture p) override { log.push_back(L"picture " + std::to_wstring(p)); }
    void changeTip(const std::wstring& tip) override { log.push_back(L"tip " + tip); }
    void balloon(const std::wstring& title, const std::wstring& text, int seconds) override {
        log.push_back(L"balloon " + title + L"|" + text + L"|" + std::to_wstring(seconds));
    }
    void balloonOff() override { log.push_back(L"balloon off"); }
    void remove() override {
        log.push_back(L"remove");
        events = nullptr;
    }
    double elapsedSeconds() override { return now; }
    void waitForEvents(double maximumSeconds) override {
        ++waits;
        if (duringWait) return duringWait();
        now += maximumSeconds;  // nothing happens: the wait runs out
    }
    TrayEvents* events = nullptr;
    std::vector<std::wstring> log;
    double now = 100.0;
    int waits = 0;
    std::function<void()> duringWait;
};

class FakeStartup final : public StartupRegistry {
  public:
    std::wstring programPath() const override { return path; }
    bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) override {
        if (!(scope == Scope::Machine ? machineWritable : userWritable)) return false;
        (scope == Scope::Machine ? machine : user)[name] = command;
        return true;
    }
    void removeEntry(Scope scope, const std::wstring& name) override {
        (scope == Scope::Machine ? machine : user).erase(name);
    }
    std::wstring path = L"C:\\Program Files\\Tervalinx\\QuietPageAdvancer.exe";
    bool machineWritable = true, userWritable = true;
    std::map<std::wstring, std::wstring> machine, user;
};

class FakeDisplay final : public DisplayKeeper {
  public:
    void keepAwake(bool value) override { awake = value; }
    bool awake = false;
};

// A main window controller wired to fakes of every port, made on first use.
class FakeForm {
  public:
    Form1& form() {
        if (!form_) {
            form_ = std::make_unique<Form1>(Form1Ports{view, view, dialogs, settings, files,
                                                       browser, chance, regional, windows,
                                                       keyboard, tray, startup, display,
                                                       texts::kWindowsWords});
        }
        return *form_;
    }
    Form1& loaded() {
        form().Form_Load();
        return *form_;
    }
    // Listable windows with handles 101, 102, ... titled "Window 1", "Window 2", ...
    void addWindows(int count) {
        for (int i = 1; i <= count; ++i)
            windows.desktop.push_back({100 + i, L"Window " + std::to_wstring(i), true, true, false});
    }
    void click(Control c) { form().raise(c, UiEvent::Click); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form().tick();
    }

    FakeView view;
    FakeDialogs dialogs;
    MemorySettings settings;
    FakeFiles files;
    FakeBrowser browser;
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
