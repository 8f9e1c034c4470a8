#pragma once
#include <optional>
#include <string>
#include <string_view>

// How texts are written into a desktop entry file (an XDG autostart entry), kept free of Qt and X
// headers so that they can be tested alone.
namespace qpa::qt {

// A string value with the file format's own escapes: a backslash doubled, a newline, tab or
// carriage return as \n, \t, \r, and a blank at the start as \s (a reader would drop it).
std::wstring desktopEntryString(std::wstring_view text);

// The Exec value that starts the program at `path` with no arguments, escaped for the file; nothing
// when the path holds a control character (a newline, a tab, ...), which no launcher reads back
// as the same path.
std::optional<std::wstring> desktopEntryExec(std::wstring_view path);

}  // namespace qpa::qt
