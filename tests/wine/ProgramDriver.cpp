#include "ProgramDriver.h"

#include <commctrl.h>
// sddl.h needs windows.h first
#include <sddl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

namespace qpa::wine {

namespace {
std::wstring programPath() {
    const wchar_t* path = _wgetenv(L"QPA_EXE");
    if (!path || !*path) throw std::runtime_error("QPA_EXE is not set");
    return path;
}

std::wstring className(HWND hwnd) {
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return name;
}

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectBoxes(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->processId && className(hwnd) == L"#32770" && ::IsWindowVisible(hwnd)) {
        search->found.push_back(hwnd);
    }
    return TRUE;
}
}  // namespace

bool runOnDisplay(const std::string& shellCommand) {
    static int serial = 0;
    const std::string marker =
        "/tmp/qpa-done-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial);
    const std::string script = shellCommand + "; touch " + marker;
    std::wstring commandLine =
        L"start.exe /unix /bin/sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &process)) {
        return false;
    }
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    const std::wstring windowsMarker = L"Z:" + std::wstring(marker.begin(), marker.end());
    const bool done = waitFor(
        [&] { return ::GetFileAttributesW(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES; });
    ::DeleteFileW(windowsMarker.c_str());
    return done;
}

bool typeIntoXWindow(const std::string& title, const std::string& keys) {
    return runOnDisplay("id=$(xdotool search --name '^" + title +
                        "$' | head -n 1); xdotool windowactivate --sync $id; sleep 0.3; "
                        "xdotool key --clearmodifiers " +
                        keys + "; sleep 0.3");
}

bool waitFor(const std::function<bool()>& ready, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return true;
}

bool setKeySecurity(HKEY hive, const wchar_t* path, const wchar_t* sddl) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(hive, path, 0, WRITE_DAC | READ_CONTROL, &key) != ERROR_SUCCESS)
        return false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    bool done = false;
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor,
                                                               nullptr)) {
        done = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        ::LocalFree(descriptor);
    }
    ::RegCloseKey(key);
    return done;
}

namespace store {
void clear() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Tervalinx");
}

void put(const std::wstring& key, const std::wstring& value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, key.c_str(), REG_SZ, value.c_str(),
                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> get(const std::wstring& key) {
    wchar_t buffer[4096] = {};
    DWORD bytes = sizeof(buffer);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, key.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                       &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(buffer);
}

std::vector<std::wstring> keys() {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = 256;
        if (::RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    ::RegCloseKey(key);
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace store

namespace {

// Wine now and then refuses a process start right after another process ended; a few
// tries a moment apart tell that apart from a real failure, which names its error code.
void startProcess(std::wstring commandLine, PROCESS_INFORMATION& process, const char* what) {
    DWORD error = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process)) {
            return;
        }
        error = ::GetLastError();
        ::Sleep(200);
    }
    throw std::runtime_error(std::string(what) + " could not be started (error " +
                             std::to_string(error) + ")");
}

}  // namespace

ProgramDriver::ProgramDriver() = default;

ProgramDriver::~ProgramDriver() {
    if (process_.hProcess) {
        if (running()) {
            for (HWND box : messageBoxes()) ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            close();
        }
        if (running()) ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hProcess);
        ::CloseHandle(process_.hThread);
    }
}

void ProgramDriver::start(bool waitForWindow) {
    std::wstring commandLine = L"\"" + programPath() + L"\"";
    startProcess(commandLine, process_, "the program");
    ::WaitForInputIdle(process_.hProcess, 10000);
    waitFor([&] {
        main_ = ::FindWindowW(L"QuietPageAdvancerMain", nullptr);
        return main_ && (!waitForWindow || ::IsWindowVisible(main_));
    });
}

bool ProgramDriver::close() {
    if (main_) ::PostMessageW(main_, WM_CLOSE, 0, 0);
    return ::WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
}

bool ProgramDriver::running() const {
    return process_.hProcess && ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND ProgramDriver::control(Control c) const {
    return ::GetDlgItem(main_, 1000 + static_cast<int>(c));
}

std::wstring ProgramDriver::text(HWND hwnd) const {
    wchar_t buffer[2048] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 5000, &copied);
    return std::wstring(buffer, copied);
}

bool ProgramDriver::checked(Control c) const {
    return ::SendMessageW(control(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool ProgramDriver::visible(Control c) const {
    return (::GetWindowLongW(control(c), GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT ProgramDriver::clientRect(Control c) const {
    RECT r{};
    ::GetWindowRect(control(c), &r);
    ::MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND ProgramDriver::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

int ProgramDriver::dpi() const {
    HDC screen = ::GetDC(nullptr);
    const int value = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return value;
}

namespace {
// A buffer inside the program's process, for list-view messages that carry pointers.
class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, std::size_t size)
        : process_(process),
          address_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void write(std::size_t offset, const void* data, std::size_t size) const {
        ::WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    void read(std::size_t offset, void* data, std::size_t size) const {
        ::ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

  private:
    HANDLE process_;
    void* address_;
};
constexpr std::size_t kTextOffset = 512;
constexpr int kTextCapacity = 1024;
}  // namespace

std::vector<std::wstring> ProgramDriver::listItems() const {
    HWND list = control(Control::ListView1);
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::wstring> items;
    RemoteBuffer remote(process_.hProcess, kTextOffset + kTextCapacity * sizeof(wchar_t));
    for (int i = 0; i < count; ++i) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.cchTextMax = kTextCapacity;
        item.pszText = reinterpret_cast<wchar_t*>(remote.at(kTextOffset));
        remote.write(0, &item, sizeof(item));
        const auto length = ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                                           reinterpret_cast<LPARAM>(remote.at(0)));
        std::wstring text(static_cast<std::size_t>(length), L'\0');
        remote.read(kTextOffset, text.data(), text.size() * sizeof(wchar_t));
        items.push_back(text);
    }
    return items;
}

int ProgramDriver::selectedListIndex() const {
    return static_cast<int>(::SendMessageW(control(Control::ListView1), LVM_GETNEXTITEM,
                                           static_cast<WPARAM>(-1), LVNI_SELECTED)) +
           1;
}

void ProgramDriver::selectListItem(int index) {
    RemoteBuffer remote(process_.hProcess, sizeof(LVITEMW));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.write(0, &state, sizeof(state));
    ::SendMessageW(control(Control::ListView1), LVM_SETITEMSTATE, static_cast<WPARAM>(index - 1),
                   reinterpret_cast<LPARAM>(remote.at(0)));
}

void ProgramDriver::click(Control c) {
    ::PostMessageW(control(c), BM_CLICK, 0, 0);
}

void ProgramDriver::type(Control c, const std::wstring& characters) {
    for (wchar_t ch : characters) ::PostMessageW(control(c), WM_CHAR, ch, 1);
}

void ProgramDriver::pressTab(Control from) {
    ::PostMessageW(control(from), WM_KEYDOWN, VK_TAB, 0x000F0001);
    ::PostMessageW(control(from), WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001));
}

std::vector<HWND> ProgramDriver::messageBoxes() const {
    BoxSearch search{process_.dwProcessId, {}};
    ::EnumWindows(&collectBoxes, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<MessageBoxSeen> ProgramDriver::waitForMessageBox(std::chrono::milliseconds timeout) {
    MessageBoxSeen seen;
    if (!waitFor(
            [&] {
                const auto boxes = messageBoxes();
                if (boxes.empty()) return false;
                seen.box = boxes.front();
                return true;
            },
            timeout)) {
        return std::nullopt;
    }
    seen.title = text(seen.box);
    seen.text = text(::GetDlgItem(seen.box, 0xFFFF));
    return seen;
}

void ProgramDriver::dismiss(const MessageBoxSeen& box) {
    ::PostMessageW(box.box, WM_COMMAND, IDOK, 0);
    waitFor([&] { return !::IsWindow(box.box); }, std::chrono::seconds(5));
}

TargetProgram::TargetProgram(const std::wstring& extraArguments) {
    const wchar_t* path = _wgetenv(L"QPA_TARGET");
    if (!path || !*path) throw std::runtime_error("QPA_TARGET is not set");
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    logPath_ = std::wstring(folder) + L"qpa-target-" + std::to_wstring(::GetTickCount()) + L".log";
    ::DeleteFileW(logPath_.c_str());
    std::wstring commandLine =
        L"\"" + std::wstring(path) + L"\" \"" + logPath_ + L"\" " + extraArguments;
    startProcess(commandLine, process_, "the target");
    waitFor([&] { return window(L"Target A") != nullptr; });
    ::Sleep(300);
}

TargetProgram::~TargetProgram() {
    if (process_.hProcess) {
        ::TerminateProcess(process_.hProcess, 0);
        ::WaitForSingleObject(process_.hProcess, 5000);
        ::CloseHandle(process_.hProcess);
        ::CloseHandle(process_.hThread);
    }
    ::DeleteFileW(logPath_.c_str());
}

HWND TargetProgram::window(const std::wstring& title) const {
    return ::FindWindowW(L"QpaScrollTarget", title.c_str());
}

std::vector<WheelReceived> TargetProgram::received() const {
    std::vector<WheelReceived> lines;
    for (const WheelReceived& line : allLines())
        if (!line.key) lines.push_back(line);
    return lines;
}

std::vector<unsigned> TargetProgram::keysPressed(const std::wstring& title) const {
    std::vector<unsigned> keys;
    for (const WheelReceived& line : allLines())
        if (line.key && line.title == title) keys.push_back(line.wParam);
    return keys;
}

std::vector<WheelReceived> TargetProgram::allLines() const {
    std::vector<WheelReceived> lines;
    FILE* file = _wfopen(logPath_.c_str(), L"r");
    if (!file) return lines;
    wchar_t buffer[512];
    while (std::fgetws(buffer, 512, file)) {
        std::wstring line(buffer);
        while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r')) line.pop_back();
        const auto a = line.find(L'|');
        const auto b = line.find(L'|', a + 1);
        const auto c = line.find(L'|', b + 1);
        if (c == std::wstring::npos) continue;
        const bool key = line[a + 1] == L'k';
        const std::wstring number = line.substr(a + (key ? 2 : 1), b - a - (key ? 2 : 1));
        lines.push_back({line.substr(0, a),
                         static_cast<std::uint32_t>(std::wcstoul(number.c_str(), nullptr, 16)),
                         std::wcstol(line.substr(b + 1, c - b - 1).c_str(), nullptr, 10),
                         line.substr(c + 1) == L"1", key});
    }
    std::fclose(file);
    return lines;
}

bool TargetProgram::waitForReceived(std::size_t count, std::chrono::milliseconds timeout) {
    return waitFor([&] { return received().size() >= count; }, timeout);
}

}  // namespace qpa::wine
