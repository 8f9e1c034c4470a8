#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The rules the X11 adapters apply, kept free of X headers so that they can be tested alone.
namespace qpa::x11 {

// UTF-8 bytes as text; a broken sequence reads as U+FFFD.
std::wstring decodeUtf8(std::string_view bytes);
// Latin-1 bytes (an X STRING property) as text.
std::wstring decodeLatin1(std::string_view bytes);

// The wheel clicks for a delta: whole notches of 120 units, at least one for any delta but 0.
int wheelClicks(std::int32_t delta);
// X pointer button 4 scrolls up (positive delta), button 5 down.
inline unsigned wheelButton(std::int32_t delta) {
    return delta > 0 ? 4u : 5u;
}

// The Windows style bits a top-level X window stands for: visible when the window manager lists
// it and it is not withdrawn (a minimised window stays visible), a maximise box when it may be
// maximised both ways.
std::uint32_t styleBits(bool listed, bool withdrawn, bool maximizeHorizontally,
                        bool maximizeVertically);

}  // namespace qpa::x11
