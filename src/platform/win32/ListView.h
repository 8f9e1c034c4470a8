#pragma once
#include <windows.h>

#include <string>

namespace qpa::win32 {

// The report-style list view of "Available Windows": one column, 1-based item indices.
class ListView {
  public:
    void useControl(HWND list) { list_ = list; }
    void addColumn(const std::wstring& header, int widthPixels);
    void clear();
    void append(const std::wstring& text);
    int count() const;
    // Makes item `index` the only selected one, with the focus mark, and scrolls it into view.
    void select(int index);
    // Puts the focus mark on the first item when no item has it, without selecting it.
    void markFocusWhereNone();

  private:
    HWND list_ = nullptr;
};

}  // namespace qpa::win32
