#pragma once
#include <windows.h>

#include <utility>

namespace qpa::win32 {

// One owner for one OS handle: move-only, released once.
template <class Handle, class Release, Handle kNone = Handle{}>
class Unique {
  public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, kNone)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, kNone));
        return *this;
    }
    ~Unique() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != kNone; }
    void reset(Handle handle = kNone) {
        if (handle_ != kNone) Release{}(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = kNone;
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
struct DestroyIconHandle {
    void operator()(HICON h) const { ::DestroyIcon(h); }
};
struct DestroyCursorHandle {
    void operator()(HCURSOR h) const { ::DestroyCursor(h); }
};
struct CloseRegistryKey {
    void operator()(HKEY h) const { ::RegCloseKey(h); }
};
struct UnhookHook {
    void operator()(HHOOK h) const { ::UnhookWindowsHookEx(h); }
};
struct CloseKernelHandle {
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};

using UniqueFont = Unique<HFONT, DeleteGdiObject>;
using UniqueBrush = Unique<HBRUSH, DeleteGdiObject>;
using UniqueIcon = Unique<HICON, DestroyIconHandle>;
using UniqueCursor = Unique<HCURSOR, DestroyCursorHandle>;
using UniqueKey = Unique<HKEY, CloseRegistryKey>;
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;
using UniqueHook = Unique<HHOOK, UnhookHook>;

// A window's device context (the screen's, for no window), released once.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// FindFirstFile reports failure as INVALID_HANDLE_VALUE, not as 0.
class UniqueFind {
  public:
    explicit UniqueFind(HANDLE h) : handle_(h) {}
    UniqueFind(const UniqueFind&) = delete;
    UniqueFind& operator=(const UniqueFind&) = delete;
    ~UniqueFind() {
        if (valid()) ::FindClose(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

}  // namespace qpa::win32
