#pragma once
#include <string>
#include <vector>

#include "ports/WindowServices.h"

namespace qpa {

// Visible (shown or minimised) and with a maximise box.
bool IsListableWindow(const WindowFacts& window);

// The candidate windows of "Available Windows": each entry's title and handle, in the list's
// order, entry 1 first. At most 1001 entries.
class Catalogue final {
  public:
    static constexpr int kCapacity = 1001;

    // Lists the desktop's listable, titled windows front to back anew, leaving out this program's
    // windows and `mainWindow`. A 1002nd qualifying window ends the walk with "Subscript out of
    // range", the 1001 listed kept.
    void collect(WindowServices& windows, WindowHandle mainWindow);
    int count() const { return static_cast<int>(entries_.size()); }
    // Entry n (1 to count()): its title, and its window's handle.
    const std::wstring& title(int n) const { return at(n).title; }
    // 0 for no entry n.
    WindowHandle handle(int n) const { return n >= 1 && n <= count() ? at(n).handle : 0; }

  private:
    struct Entry {
        std::wstring title;
        WindowHandle handle = 0;
    };
    const Entry& at(int n) const { return entries_[static_cast<std::size_t>(n - 1)]; }

    std::vector<Entry> entries_;
};

}  // namespace qpa
