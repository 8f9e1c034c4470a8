#pragma once
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/MainView.h"

namespace qpa::fakes {

// The main window as plain data, with a log of the calls that change what the user sees.
class FakeView final : public MainView {
  public:
    FakeView() {
        options_[1] = true;  // as designed: Option1 and Option7 selected
        options_[7] = true;
        captions_[Control::PushButton2] = L"Turn On";
        captions_[Control::Frame4] = L"Off.";
    }

    WindowHandle handle() const override { return handle_; }
    void setCaption(Control c, const std::wstring& text) override { captions_[c] = text; }
    std::wstring caption(Control c) const override {
        auto it = captions_.find(c);
        return it == captions_.end() ? std::wstring() : it->second;
    }
    void setProgramIcon() override { iconSet = true; }
    void useButtonFaceColours() override { buttonFaceColours = true; }
    bool loadCustomPointer(const std::wstring& path) override {
        customPointerFile = path;
        return true;
    }
    void setPointer(Pointer p) override { pointer_ = p; }
    Pointer pointer() const override { return pointer_; }
    void setWindowState(WindowState s) override {
        state_ = s;
        log.push_back(s == WindowState::Minimized ? L"minimize" : L"normal");
        if (onResize) onResize();
    }
    WindowState windowState() const override { return state_; }
    void setWindowVisible(bool v) override { visible_ = v; }
    bool windowVisible() const override { return visible_; }
    void activateWindow() override { log.push_back(L"activate"); }

    bool optionValue(int n) const override { return options_.at(static_cast<std::size_t>(n)); }
    void setOptionValue(int n, bool selected) override {
        if (selected) {
            const int first = n <= 6 ? 1 : 7;
            const int last = n <= 6 ? 6 : 8;
            for (int i = first; i <= last; ++i) options_[static_cast<std::size_t>(i)] = false;
        }
        options_[static_cast<std::size_t>(n)] = selected;
    }

    std::wstring text(Control f) const override {
        auto it = texts_.find(f);
        return it == texts_.end() ? std::wstring() : it->second;
    }
    void setText(Control f, const std::wstring& t) override { texts_[f] = t; }
    void selectAllText(Control f) override { log.push_back(L"select all " + name(f)); }
    void setFocus(Control c) override {
        log.push_back(L"focus " + name(c));
        if (onFocus) onFocus(c);
    }

    bool checked(Control b) const override { return checks_.count(b) ? checks_.at(b) : false; }
    void setChecked(Control b, bool v) override { checks_[b] = v; }
    void setControlVisible(Control c, bool v) override { visibility_[c] = v; }
    bool controlVisible(Control c) const override {
        return visibility_.count(c) ? visibility_.at(c) : true;
    }

    void setProgressMaximum(std::int32_t m) override { progressMaximum = m; }
    void setProgressValue(std::int32_t v) override { progressValue = v; }
    void setProgressText(const std::wstring& t) override { progressText = t; }

    void addListColumn(const std::wstring& header, int width) override {
        columnHeader = header;
        columnWidthTwips = width;
    }
    void clearList() override {
        items.clear();
        selected_ = 0;
    }
    void appendListItem(const std::wstring& t) override { items.push_back(t); }
    int listCount() const override { return static_cast<int>(items.size()); }
    int selectedListIndex() const override { return selected_; }
    void selectListItem(int index) override { selected_ = index; }

    void letPendingEventsRun() override {
        ++pendingEventRuns;
        if (duringPendingEvents) duringPendingEvents();
    }

    static std::wstring name(Control c) { return c == Control::Text2 ? L"Text2" : L"Text3"; }

    WindowHandle handle_ = 0x1000;
    bool iconSet = false;
    bool buttonFaceColours = false;
    std::wstring customPointerFile;
    std::int32_t progressMaximum = 100;
    std::int32_t progressValue = 0;
    std::wstring progressText = L"Progress Bar";
    std::wstring columnHeader;
    int columnWidthTwips = 0;
    std::vector<std::wstring> items;
    std::vector<std::wstring> log;
    int pendingEventRuns = 0;
    std::function<void()> duringPendingEvents;
    std::function<void()> onResize;
    std::function<void(Control)> onFocus;

  private:
    std::map<Control, std::wstring> captions_;
    std::map<Control, std::wstring> texts_;
    std::map<Control, bool> checks_;
    std::map<Control, bool> visibility_;
    std::array<bool, 9> options_{};
    Pointer pointer_ = Pointer::Default;
    WindowState state_ = WindowState::Normal;
    bool visible_ = true;
    int selected_ = 0;
};

}  // namespace qpa::fakes
