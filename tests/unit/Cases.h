#pragma once
// A case of the controller in one row: a script of what happens (FakeForm::run), where " >> "
// marks the point from which the journal is watched, the words watched, and the lines expected.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"

namespace qpa::fakes {

struct Case {
    std::wstring script, words, expected;
};

inline void check(const Case& c) {
    FakeForm f;
    const auto mark = c.script.find(L" >> ");
    if (mark != std::wstring::npos) f.run(c.script.substr(0, mark)).take(L"");
    const std::wstring watched = mark == std::wstring::npos ? c.script : c.script.substr(mark + 4);
    EXPECT_EQ(f.run(watched).take(c.words), c.expected) << c.script;
}

}  // namespace qpa::fakes
