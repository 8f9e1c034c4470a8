#pragma once
#include <optional>
#include <string>

namespace qpa {

// Modal message boxes.
class Dialogs {
  public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
    virtual ~Dialogs() = default;
    // Shows a modal box with an OK button and returns when it is closed.
    virtual void showMessage(const std::wstring& prompt, int style, const std::wstring& title) = 0;
};

// The per-user store of named text values.
class SettingsBackend {
  public:
    SettingsBackend() = default;
    SettingsBackend(const SettingsBackend&) = delete;
    SettingsBackend& operator=(const SettingsBackend&) = delete;
    virtual ~SettingsBackend() = default;
    // The stored text, or nothing when the key, its section or its application does not exist.
    virtual std::optional<std::wstring> read(const std::wstring& application,
                                             const std::wstring& section,
                                             const std::wstring& key) = 0;
    // Stores the text, creating what is missing; throws RuntimeError when the store refuses.
    virtual void write(const std::wstring& application, const std::wstring& section,
                       const std::wstring& key, const std::wstring& value) = 0;
};

// The files beside the program.
class ProgramFiles {
  public:
    ProgramFiles() = default;
    ProgramFiles(const ProgramFiles&) = delete;
    ProgramFiles& operator=(const ProgramFiles&) = delete;
    virtual ~ProgramFiles() = default;
    // The folder holding the program file, without a trailing separator.
    virtual std::wstring programFolder() const = 0;
    // The separator between a folder and a name in this platform's paths.
    virtual wchar_t separator() const = 0;
    // True when the file's last-modified time can be read; never throws.
    virtual bool modifiedTimeReadable(const std::wstring& path) const = 0;
    // The file name when a plain file matches the path, else an empty text.
    virtual std::wstring findPlainFile(const std::wstring& path) const = 0;
};

// Starts other programs.
class ProcessLauncher {
  public:
    ProcessLauncher() = default;
    ProcessLauncher(const ProcessLauncher&) = delete;
    ProcessLauncher& operator=(const ProcessLauncher&) = delete;
    virtual ~ProcessLauncher() = default;
    // Starts the command line as a new process with the given show command; nothing waits for it.
    virtual void start(const std::wstring& commandLine, int showCommand) = 0;
};

// The time of day and a seeded random source.
class Chance {
  public:
    Chance() = default;
    Chance(const Chance&) = delete;
    Chance& operator=(const Chance&) = delete;
    virtual ~Chance() = default;
    // Seconds since midnight, local time.
    virtual float secondsOfDay() = 0;
    virtual void seed(float seed) = 0;
    // A number r with 0 <= r < 1.
    virtual double next() = 0;
};

// The schedule timer of the main window.
class ScheduleTimer {
  public:
    ScheduleTimer() = default;
    ScheduleTimer(const ScheduleTimer&) = delete;
    ScheduleTimer& operator=(const ScheduleTimer&) = delete;
    virtual ~ScheduleTimer() = default;
    // Starts (with the current interval) or stops the timer.
    virtual void setEnabled(bool enabled) = 0;
    virtual void setInterval(int milliseconds) = 0;
    virtual bool enabled() const = 0;
    virtual int interval() const = 0;
};

}  // namespace qpa

namespace qpa {

// The user's regional number format.
class RegionalSettings {
  public:
    RegionalSettings() = default;
    RegionalSettings(const RegionalSettings&) = delete;
    RegionalSettings& operator=(const RegionalSettings&) = delete;
    virtual ~RegionalSettings() = default;
    // The decimal separator of the user's locale, for example '.' or ','.
    virtual wchar_t decimalSeparator() const = 0;
};

}  // namespace qpa
