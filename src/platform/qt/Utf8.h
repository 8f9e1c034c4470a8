#pragma once
#include <string>
#include <string_view>

// Text between the core's wide strings and the bytes of X properties, file names and files,
// converted by Qt (no Qt header here: these are used beside Xlib's, whose macros clash with Qt's).
namespace qpa::qt {

// A broken UTF-8 sequence reads as U+FFFD.
std::wstring fromUtf8(std::string_view bytes);
// An X STRING property.
std::wstring fromLatin1(std::string_view bytes);
std::string toUtf8(const std::wstring& text);

}  // namespace qpa::qt
