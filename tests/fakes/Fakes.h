#pragma once
// Fakes of every port and a main window controller wired to them. Each fake writes what the core
// asked of it to one journal, a line each, in order; what the core reads back is plain state that
// a test may set. What a user does is told to the controller in a short script (FakeForm::run).
#include <algorithm>
#include <array>
#include <cwctype>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Form1.h"
#include "core/RuntimeError.h"

namespace qpa::fakes {

using Stored = std::map<std::wstring, std::wstring>;

inline std::wstring name(Control c) {
    const std::string text = controlName(c);
    return {text.begin(), text.end()};
}
constexpr std::size_t at(Control c) {
    return static_cast<std::size_t>(c);
}
constexpr auto number = [](long long n) { return std::to_wstring(n); };

// What the core asked of the ports, in order.
class Journal {
  public:
    void operator()(const std::wstring& line) { lines_.push_back(line); }
    // The lines since the last take that begin with one of these words, joined by " | ". The
    // words are separated by blanks, or by commas where one has several ("caption Frame4, timer").
    std::wstring take(const std::wstring& words) {
        std::vector<std::wstring> wanted;
        const wchar_t separator = words.find(L',') == std::wstring::npos ? L' ' : L',';
        std::wistringstream in(words);
        for (std::wstring word; std::getline(in, word, separator);)
            if (const auto start = word.find_first_not_of(L' '); start != std::wstring::npos)
                wanted.push_back(word.substr(start));
        std::wstring out;
        for (const auto& line : std::exchange(lines_, {})) {
            const auto begins = [&](const std::wstring& w) {
                return line.rfind(w, 0) == 0 && (line.size() == w.size() || line[w.size()] == L' ');
            };
            if (std::any_of(wanted.begin(), wanted.end(), begins))
                out += (out.empty() ? L"" : L" | ") + line;
        }
        return out;
    }

  private:
    std::vector<std::wstring> lines_;
};

// Each fake writes what it is asked to the journal and keeps what the core may read back.
struct Recorder {
    explicit Recorder(Journal& journal) : log(journal) {}
    template <class T>
    T logged(const std::wstring& line, T value) {
        log(line);
        return value;
    }
    // Runs a hook that a test set for the next time, once.
    static void once(std::function<void()>* hook) {
        if (*hook) std::exchange(*hook, nullptr)();
    }
    Journal& log;
};

class FakeView final : public MainView, public ScheduleTimer, Recorder {
  public:
    using Recorder::Recorder;
    void setEvents(ViewEvents& e) override { events = &e; }
    void postClick(Control c) override { posted.push_back(logged(L"post " + name(c), c)); }
    // The countdown in the status line as "status hh:mm:ss".
    void setCaption(Control c, const std::wstring& text) override {
        const std::wstring countdown = L"On. Next Scroll will occur in: ";
        log(text.rfind(countdown, 0) == 0 ? L"status " + text.substr(countdown.size())
                                          : L"caption " + name(c) + L" " + text);
    }
    void setProgramIcon() override { log(L"icon"); }
    void useButtonFaceColours() override { log(L"button face"); }
    bool loadCustomPointer(const std::wstring& path) override {
        return logged(L"pointer image " + path, true);
    }
    void setPointer(Pointer p) override {
        log(p == Pointer::Custom ? L"pointer custom" : L"pointer default");
    }
    // As the window does, a change of state raises its resize event.
    void setWindowState(WindowState s) override {
        events->resized(logged(s == WindowState::Minimized ? L"minimize" : L"restore", s));
    }
    void setWindowVisible(bool v) override { log(v ? L"window shown" : L"window hidden"); }
    void activateWindow() override { log(L"activate"); }
    void setOptionValue(int, bool) override {}
    void setText(Control f, const std::wstring& t) override { log(L"text " + name(f) + L" " + t); }
    void selectAllText(Control f) override { log(L"select all " + name(f)); }
    void setFocus(Control c) override { once(logged(L"focus " + name(c), &duringFocus)); }
    void setChecked(Control b, bool v) override {
        checks[at(b)] = logged(L"checked " + name(b) + (v ? L" 1" : L" 0"), v);
    }
    void setControlVisible(Control c, bool v) override {
        log(L"visible " + name(c) + (v ? L" 1" : L" 0"));
    }
    void setProgressMaximum(std::int32_t m) override { log(L"progress maximum " + number(m)); }
    void setProgressValue(std::int32_t v) override { log(L"progress " + number(v)); }
    void setProgressText(const std::wstring& t) override { log(L"progress text " + t); }
    void addListColumn(const std::wstring& header, int width) override {
        log(L"column " + header + L" " + number(width));
    }
    void clearList() override {
        items.clear();
        selected = 0;
    }
    void appendListItem(const std::wstring& t) override { items.push_back(t); }
    void selectListItem(int index) override {
        selected = logged(L"select " + number(index), index);
    }
    void letPendingEventsRun() override { once(logged(L"events", &duringEvents)); }
    void start(int ms) override { log(L"timer " + number(ms)); }
    void stop() override { log(L"timer 0"); }

    ViewEvents* events = nullptr;
    std::vector<Control> posted;
    std::array<bool, kControlCount> checks{};  // a click toggles a box
    std::vector<std::wstring> items;
    int selected = 0;
    std::function<void()> duringEvents, duringFocus;
};

// Application errors as "report DESCRIPTION, PROCEDURE LINE", other boxes by their kind.
class FakeDialogs final : public Dialogs, Recorder {
  public:
    using Recorder::Recorder;
    void showMessage(const std::wstring& prompt, MessageKind kind,
                     const std::wstring& title) override {
        // "DESCRIPTION\r\nin PROGRAM.MODULE.PROCEDURE at line N\r\r..."
        const auto in = prompt.find(L"\r\nin "), line = prompt.find(L" at line "),
                   end = prompt.find(L"\r\r"), procedure = prompt.rfind(L'.', line) + 1;
        log(title == L"Application Error"
                ? L"report " + prompt.substr(0, in) + L", " +
                      prompt.substr(procedure, line - procedure) + L" " +
                      prompt.substr(line + 9, end - line - 9)
                : (kind == MessageKind::Warning ? L"warning " : L"message ") + prompt);
        last = {prompt, kind, title};
        once(&whileShown);
    }
    struct Box {
        std::wstring prompt;
        MessageKind kind;
        std::wstring title;
    } last;
    std::function<void()> whileShown;
};

class MemorySettings final : public SettingsBackend, Recorder {
  public:
    using Recorder::Recorder;
    std::optional<std::wstring> read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override {
        address = application + L"\\" + section;
        const auto it = values.find(key);
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void write(const std::wstring&, const std::wstring&, const std::wstring& key,
               const std::wstring& value) override {
        if (refuseWrites) throw RuntimeError(L"Access denied");
        values[key] = logged(L"write " + key + L"=" + value, value);
    }
    Stored values;
    std::wstring address;
    bool refuseWrites = false;
};

// The rest of the system: the files beside the program, the browser, the clock and chance, the
// regional format, the display and the lists of programs started at logon.
class FakeSystem final : public ProgramFiles,
                         public Browser,
                         public Chance,
                         public RegionalSettings,
                         public DisplayKeeper,
                         public StartupRegistry,
                         Recorder {
  public:
    using Recorder::Recorder;
    std::wstring programFolder() const override { return L"C:\\Apps"; }
    wchar_t separator() const override { return L'\\'; }
    bool modifiedTimeReadable(const std::wstring& file) const override {
        if (file == unreadable) throw RuntimeError(L"Device unavailable");
        return std::find(existing.begin(), existing.end(), file) != existing.end();
    }
    std::wstring findPlainFile(const std::wstring& file) const override {
        return modifiedTimeReadable(file) ? file.substr(file.rfind(L'\\') + 1) : std::wstring();
    }
    void openAddress(const std::wstring& address) override { log(L"open " + address); }
    float secondsOfDay() override { return 43200.5f; }
    void seed(float s) override { seededWith = s; }
    double next() override { return draw; }
    wchar_t decimalSeparator() const override { return L'.'; }
    void keepAwake(bool awake) override { log(awake ? L"awake 1" : L"awake 0"); }
    std::wstring programPath() const override { return path; }
    bool canHold(const std::wstring&) const override { return pathFits; }
    bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) override {
        const bool allowed = scope == Scope::Machine ? machineWritable : userWritable;
        log(std::wstring(L"entry ") + where(scope) + L" " + name + L"=" + command +
            (allowed ? L"" : L" refused"));
        return allowed;
    }
    void removeEntry(Scope scope, const std::wstring& name) override {
        log(std::wstring(L"remove ") + where(scope) + L" " + name);
    }
    static constexpr const wchar_t* where(Scope scope) {
        return scope == Scope::Machine ? L"machine" : L"user";
    }
    std::vector<std::wstring> existing;
    std::wstring unreadable, path = L"C:\\Program Files\\Tervalinx\\QuietPageAdvancer.exe";
    double draw = 0.5;
    float seededWith = -1;
    bool machineWritable = true, userWritable = true, pathFits = true;
};

// A desktop of top-level windows, front to back.
class FakeWindows final : public WindowServices, Recorder {
  public:
    using Recorder::Recorder;
    std::vector<WindowFacts> topLevelWindows() override { return desktop; }
    void raise(WindowHandle w) override { log(L"raise " + number(w)); }
    void holdAbove(WindowHandle w, bool above) override {
        log(L"above " + number(w) + (above ? L" on" : L" off"));
    }
    void show(WindowHandle w) override { log(L"show " + number(w)); }
    void scroll(WindowHandle w, std::int32_t delta) override {
        log(L"scroll " + number(w) + L" " + number(delta));
    }
    bool wheelPresent() override { return wheel; }
    std::optional<std::int32_t> wheelScrollLines() override { return lines; }
    std::vector<WindowFacts> desktop;
    bool wheel = true;
    std::optional<std::int32_t> lines = 3;
};

class FakeKeyboard final : public KeyboardHook, Recorder {
  public:
    using Recorder::Recorder;
    bool install(KeyEvents& e) override {
        events = logged(L"hook", &e);
        return true;
    }
    void uninstall() override { events = logged(L"unhook", nullptr); }
    KeyEvents* events = nullptr;
};

// A clock that moves only while the core waits: a wait runs out unless something happens in it.
class FakeTray final : public TrayShell, Recorder {
  public:
    using Recorder::Recorder;
    TrayPicture designedPicture() override { return 7; }
    void add(TrayEvents& e, TrayPicture picture, const std::wstring& tip) override {
        events = logged(L"tray add " + number(picture) + L" " + tip, &e);
    }
    void changePicture(TrayPicture p) override { log(L"tray picture " + number(p)); }
    void changeTip(const std::wstring& tip) override { log(L"tray tip " + tip); }
    void balloon(const std::wstring& title, const std::wstring& text, int seconds) override {
        log(L"balloon " + title + L"|" + text + L"|" + number(seconds));
    }
    void balloonOff() override { log(L"balloon off"); }
    void remove() override { events = logged(L"tray remove", nullptr); }
    double elapsedSeconds() override { return now; }
    void waitForEvents(double seconds) override {
        log(L"wait " + number(static_cast<long long>(seconds)));
        now += advance > 0 ? advance : duringWait ? 0 : seconds;
        once(&duringWait);
    }
    TrayEvents* events = nullptr;
    double now = 100.0;
    double advance = 0;  // seconds a wait lasts; 0: as long as it may
    std::function<void()> duringWait;
};

// A main window controller wired to fakes of every port, made on first use.
class FakeForm {
  public:
    Form1& form() {
        if (!form_) {
            form_ = std::make_unique<Form1>(Form1Ports{view, view, dialogs, settings, system,
                                                       system, system, system, windows, keyboard,
                                                       tray, system, system, desktopWords, 0x1000});
        }
        return *form_;
    }
    texts::DesktopWords desktopWords = texts::kWindowsWords;
    // More listable windows, with handles 101, 102, ... titled "Window 1", "Window 2", ...
    void addWindows(int count) {
        for (int i = static_cast<int>(windows.desktop.size()) + 1; count-- > 0; ++i)
            windows.desktop.push_back({100 + i, L"Window " + number(i), true, true, false});
    }
    // Runs a script of steps separated by "; ":
    //   windows N            N more listable windows on the desktop
    //   store KEY=VALUE      a stored setting
    //   program PATH         the program's own path; file PATH: a file beside it; unreadable
    //                        PATH: one whose time cannot be read; draw R: the next random draw
    //   refuse WHAT          "settings": the store refuses writes; "machine", "user": that list
    //                        of programs started at logon refuses its entry; "path": no entry
    //                        can carry the program's path
    //   linux                a Linux desktop's words rather than Windows'
    //   load                 start-up
    //   on [N]               the switch clicked On, then list entry N (default 1) selected
    //   click CONTROL        a click on a button, an option or a box as the user sees it then
    //   tick [N]             the schedule timer's interval passes (N times)
    //   select N             the user selects list entry N (0: none)
    //   type FIELD TEXT      the user types into a field
    //   enter FIELD, leave FIELD, hover CONTROL   the focus arrives, leaves; the pointer moves
    //   minimize, close      the user minimises the window; closes it
    //   release N            mouse button N released over the tray icon; balloon-closed: its
    //                        balloon went away
    //   posted               the clicks the controller posted to itself run
    //   desktop N            the desktop now holds the first N windows (more are added)
    //   wheel LINES          the lines a notch scrolls; "silent": the desktop does not say;
    //                        "absent": no wheel
    //   once HOOK STEPS      the steps (separated by ", ") run inside the next message box,
    //                        repaint, move of the focus or balloon wait (HOOK: report, repaint,
    //                        focus, wait)
    FakeForm& run(const std::wstring& script) {
        for (std::size_t at = 0, end; at < script.size(); at = end + 2) {
            end = std::min(script.find(L"; ", at), script.size());
            const std::wstring item = script.substr(at, end - at);
            const std::size_t space = std::min(item.find(L' '), item.size());
            step(item.substr(0, space), item.substr(std::min(space + 1, item.size())));
        }
        return *this;
    }
    std::wstring take(const std::wstring& words) { return journal.take(words); }

    Journal journal;
    FakeView view{journal};
    FakeDialogs dialogs{journal};
    MemorySettings settings{journal};
    FakeSystem system{journal};
    FakeWindows windows{journal};
    FakeKeyboard keyboard{journal};
    FakeTray tray{journal};

  private:
    void step(const std::wstring& command, const std::wstring& rest) {
        const std::size_t space = std::min(rest.find(L' '), rest.size());
        const std::wstring first = rest.substr(0, space),
                           second = rest.substr(std::min(space + 1, rest.size()));
        const bool numeric = !first.empty() && (std::iswdigit(first[0]) || first[0] == L'-');
        const int n = numeric ? std::stoi(first) : 1;
        const auto raise = [&](UiEvent e) { form().raise(controlNamed(first), e); };
        const std::map<std::wstring, std::function<void()>> steps{
            {L"load", [&] { form().Form_Load(); }},
            {L"windows", [&] { addWindows(n); }},
            {L"program", [&] { system.path = rest; }},
            {L"file", [&] { system.existing.push_back(rest); }},
            {L"unreadable", [&] { system.unreadable = rest; }},
            {L"draw", [&] { system.draw = std::stod(rest); }},
            {L"refuse",
             [&] {
                 settings.refuseWrites |= first == L"settings";
                 system.machineWritable &= first != L"machine";
                 system.userWritable &= first != L"user";
                 system.pathFits &= first != L"path";
             }},
            {L"linux", [&] { desktopWords = texts::kLinuxWords; }},
            {L"store",
             [&] {
                 settings.values[rest.substr(0, rest.find(L'='))] =
                     rest.substr(rest.find(L'=') + 1);
             }},
            {L"on",
             [&] {
                 form().raise(Control::PushButton2, UiEvent::Click);
                 select(n);
             }},
            {L"click", [&] { click(controlNamed(first)); }},
            {L"tick",
             [&] {
                 for (int i = 0; i < n; ++i) form().tick();
             }},
            {L"select", [&] { select(n); }},
            {L"type", [&] { form().changed(controlNamed(first), second); }},
            {L"enter", [&] { raise(UiEvent::GotFocus); }},
            {L"leave", [&] { raise(UiEvent::LostFocus); }},
            {L"hover", [&] { raise(UiEvent::MouseMove); }},
            {L"minimize", [&] { form().resized(WindowState::Minimized); }},
            {L"close", [&] { form().raise(Control::Form, UiEvent::QueryUnload); }},
            {L"release", [&] { tray.events->buttonReleased(n); }},
            {L"balloon-closed", [&] { tray.events->balloonClosed(); }},
            {L"posted",
             [&] {
                 for (Control c : std::exchange(view.posted, {})) form().raise(c, UiEvent::Click);
             }},
            {L"desktop",
             [&] {
                 addWindows(n - static_cast<int>(windows.desktop.size()));
                 windows.desktop.resize(static_cast<std::size_t>(n));
             }},
            {L"wheel",
             [&] {
                 windows.wheel = first != L"absent";
                 windows.lines = numeric ? std::optional(n) : std::nullopt;
             }},
            {L"once",
             [&] {
                 std::wstring inner = second;
                 for (std::size_t at; (at = inner.find(L", ")) != std::wstring::npos;)
                     inner[at] = L';';
                 (first == L"report"    ? dialogs.whileShown
                  : first == L"repaint" ? view.duringEvents
                  : first == L"focus"   ? view.duringFocus
                                        : tray.duringWait) = [this, inner] { run(inner); };
             }},
        };
        steps.at(command)();
    }
    // A click as the user sees it: a box changes and says so; anything else is clicked (an option
    // has been selected by the window then).
    void click(Control c) {
        if (c == Control::Check4 || c == Control::Check8)
            return form().checked(c, view.checks[at(c)] = !view.checks[at(c)]);
        form().raise(c, UiEvent::Click);
    }
    void select(int n) {
        view.selected = n;
        form().selected(n);
    }
    static Control controlNamed(const std::wstring& text) {
        for (int c = 0; c < kControlCount; ++c)
            if (name(static_cast<Control>(c)) == text) return static_cast<Control>(c);
        throw std::invalid_argument("no control of that name");
    }
    std::unique_ptr<Form1> form_;
};

}  // namespace qpa::fakes
