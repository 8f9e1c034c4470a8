#pragma once
#include <string>
#include <vector>

#include "platform/WindowServices.h"

namespace qpa::fakes {

struct FakeWindow {
    WindowHandle handle;
    std::uint32_t style;
    std::wstring title;
};

inline constexpr std::uint32_t kListable = 0x10010000;  // visible, with a maximise box

// A desktop of top-level windows, front to back, that records every delivery call as text.
class FakeWindows final : public WindowServices {
  public:
    WindowHandle firstWindow(WindowHandle) override {
        return desktop.empty() ? 0 : desktop.front().handle;
    }
    WindowHandle nextWindow(WindowHandle w) override {
        for (std::size_t i = 0; i + 1 < desktop.size(); ++i)
            if (desktop[i].handle == w) return desktop[i + 1].handle;
        return 0;
    }
    std::uint32_t style(WindowHandle w) override {
        const FakeWindow* f = find(w);
        return f ? f->style : 0;
    }
    std::wstring title(WindowHandle w) override {
        const FakeWindow* f = find(w);
        return f ? f->title : std::wstring();
    }
    void allowAnyForeground() override { calls.push_back(L"allow foreground -1"); }
    void setForeground(WindowHandle w) override { calls.push_back(L"foreground " + id(w)); }
    void setTopmostBand(WindowHandle w, bool topmost) override {
        calls.push_back(L"position " + id(w) + (topmost ? L" -1 0 0 0 0 3" : L" -2 0 0 0 0 3"));
    }
    void show(WindowHandle w, int cmd) override {
        calls.push_back(L"show " + id(w) + L" " + std::to_wstring(cmd));
    }
    void scroll(WindowHandle w, std::int32_t delta) override {
        ++wheelsSent;
        calls.push_back(L"wheel " + id(w) + L" " + std::to_wstring(delta));
    }
    bool wheelPresent() override { return wheel; }
    std::optional<std::int32_t> wheelScrollLines() override { return lines; }

    std::vector<std::wstring> wheelCalls() const {
        std::vector<std::wstring> out;
        for (const auto& c : calls)
            if (c.rfind(L"wheel", 0) == 0) out.push_back(c);
        return out;
    }

    std::vector<FakeWindow> desktop;
    std::vector<std::wstring> calls;
    long wheelsSent = 0;
    bool wheel = true;
    std::optional<std::int32_t> lines = 3;

  private:
    const FakeWindow* find(WindowHandle w) const {
        for (const auto& f : desktop)
            if (f.handle == w) return &f;
        return nullptr;
    }
    static std::wstring id(WindowHandle w) { return std::to_wstring(w); }
};

}  // namespace qpa::fakes
