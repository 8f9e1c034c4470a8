#pragma once
// A case of the controller in one row: a script of what happens (FakeForm::run), where " >> "
// marks the point from which the journal is watched, the words watched, and the lines expected.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"

namespace qpa::fakes {

struct Case {
    std::wstring script, words, expected;
    // Where the order of the lines is not something a user could tell apart (one repaint).
    bool inAnyOrder = false;
};

// The journal's lines sorted, for a comparison in any order.
inline std::wstring sortedLines(const std::wstring& lines) {
    std::vector<std::wstring> parts;
    for (std::size_t at = 0, end; at <= lines.size(); at = end + 3) {
        end = std::min(lines.find(L" | ", at), lines.size());
        parts.push_back(lines.substr(at, end - at));
    }
    std::sort(parts.begin(), parts.end());
    std::wstring out;
    for (const auto& part : parts) out += (out.empty() ? L"" : L" | ") + part;
    return out;
}

inline void check(const Case& c) {
    FakeForm f;
    const auto mark = c.script.find(L" >> ");
    if (mark != std::wstring::npos) f.run(c.script.substr(0, mark)).take(L"");
    const std::wstring watched = mark == std::wstring::npos ? c.script : c.script.substr(mark + 4);
    const std::wstring seen = f.run(watched).take(c.words);
    if (c.inAnyOrder)
        EXPECT_EQ(sortedLines(seen), sortedLines(c.expected)) << c.script;
    else
        EXPECT_EQ(seen, c.expected) << c.script;
}

}  // namespace qpa::fakes
