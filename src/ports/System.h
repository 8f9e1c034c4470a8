#pragma once
#include <optional>
#include <string>

#include "ports/Port.h"

namespace qpa {

enum class MessageKind { Plain, Warning };

// Modal message boxes.
class Dialogs : public Port {
  public:
    // Shows a box with an OK button (a warning with its sign) and returns when it is closed.
    virtual void showMessage(const std::wstring& prompt, MessageKind kind,
                             const std::wstring& title) = 0;
};

// The per-user store of named text values.
class SettingsBackend : public Port {
  public:
    // The stored text, or nothing when the key, its section or its application does not exist.
    virtual std::optional<std::wstring> read(const std::wstring& application,
                                             const std::wstring& section,
                                             const std::wstring& key) = 0;
    // Stores the text, creating what is missing; throws RuntimeError when the store refuses.
    virtual void write(const std::wstring& application, const std::wstring& section,
                       const std::wstring& key, const std::wstring& value) = 0;
};

// The files beside the program.
class ProgramFiles : public Port {
  public:
    // The folder holding the program file, without a trailing separator.
    virtual std::wstring programFolder() const = 0;
    // The separator between a folder and a name in this platform's paths.
    virtual wchar_t separator() const = 0;
    // True when the file's last-modified time can be read; never throws.
    virtual bool modifiedTimeReadable(const std::wstring& path) const = 0;
    // The file name when a plain file matches the path, else an empty text.
    virtual std::wstring findPlainFile(const std::wstring& path) const = 0;
};

// The desktop's web browser.
class Browser : public Port {
  public:
    // Opens the address in the user's browser; nothing waits for it or reports a failure.
    virtual void openAddress(const std::wstring& address) = 0;
};

// The time of day and a seeded random source.
class Chance : public Port {
  public:
    // Seconds since midnight, local time.
    virtual float secondsOfDay() = 0;
    virtual void seed(float seed) = 0;
    // A number r with 0 <= r < 1.
    virtual double next() = 0;
};

// The main window's schedule timer; its ticks arrive as ViewEvents::tick.
class ScheduleTimer : public Port {
  public:
    // Ticks every `milliseconds` from now on.
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
};

// The user's regional number format.
class RegionalSettings : public Port {
  public:
    // The decimal separator of the user's locale, for example '.' or ','.
    virtual wchar_t decimalSeparator() const = 0;
};

}  // namespace qpa
