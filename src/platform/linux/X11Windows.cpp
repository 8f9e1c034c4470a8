#include "platform/linux/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/linux/X11Rules.h"

namespace qpa::x11 {

namespace {
// Puts the pointer back where it was, on every path.
class PointerRestore {
  public:
    PointerRestore(Display* display, Window root) : display_(display) {
        Window rootReturn = 0, child = 0;
        int winX = 0, winY = 0;
        unsigned mask = 0;
        saved_ = XQueryPointer(display, root, &rootReturn, &child, &x_, &y_, &winX, &winY, &mask);
    }
    PointerRestore(const PointerRestore&) = delete;
    PointerRestore& operator=(const PointerRestore&) = delete;
    ~PointerRestore() {
        if (!saved_) return;
        XTestFakeMotionEvent(display_, -1, x_, y_, CurrentTime);
        XFlush(display_);
    }

  private:
    Display* display_;
    int x_ = 0, y_ = 0;
    bool saved_ = false;
};
}  // namespace

X11Windows::X11Windows(std::function<int()> wheelLines)
    : display_(XOpenDisplay(nullptr)), wheelLines_(std::move(wheelLines)) {
    if (!display_) return;
    Display* d = display_.get();
    root_ = DefaultRootWindow(d);
    stacking_ = XInternAtom(d, "_NET_CLIENT_LIST_STACKING", False);
    allowedActions_ = XInternAtom(d, "_NET_WM_ALLOWED_ACTIONS", False);
    maximizeHorizontally_ = XInternAtom(d, "_NET_WM_ACTION_MAXIMIZE_HORZ", False);
    maximizeVertically_ = XInternAtom(d, "_NET_WM_ACTION_MAXIMIZE_VERT", False);
    netName_ = XInternAtom(d, "_NET_WM_NAME", False);
    utf8_ = XInternAtom(d, "UTF8_STRING", False);
    activeWindow_ = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    state_ = XInternAtom(d, "_NET_WM_STATE", False);
    stateAbove_ = XInternAtom(d, "_NET_WM_STATE_ABOVE", False);
    restack_ = XInternAtom(d, "_NET_RESTACK_WINDOW", False);
    pid_ = XInternAtom(d, "_NET_WM_PID", False);
    wmState_ = XInternAtom(d, "WM_STATE", False);
    windowType_ = XInternAtom(d, "_NET_WM_WINDOW_TYPE", False);
    dockType_ = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DOCK", False);
}

std::vector<Window> X11Windows::frontToBack() {
    if (!display_) return {};
    const auto bottomToTop = longProperty(display_.get(), root_, stacking_, XA_WINDOW);
    return std::vector<Window>(bottomToTop.rbegin(), bottomToTop.rend());
}

std::vector<WindowFacts> X11Windows::topLevelWindows() {
    std::vector<WindowFacts> windows;
    if (!display_) return windows;
    Display* d = display_.get();
    const IgnoreXErrors ignore(d);
    for (Window w : frontToBack()) {
        // Listed by the window manager and not withdrawn: a minimised window counts as visible.
        const auto wmState = longProperty(d, w, wmState_, wmState_);
        const bool visible = wmState.empty() || wmState.front() != WithdrawnState;
        const auto actions = longProperty(d, w, allowedActions_, XA_ATOM);
        const auto allows = [&](Atom a) {
            return std::find(actions.begin(), actions.end(), a) != actions.end();
        };
        const bool canMaximise = allows(maximizeHorizontally_) && allows(maximizeVertically_);
        const auto pid = longProperty(d, w, pid_, XA_CARDINAL);
        const bool ours = !pid.empty() && static_cast<pid_t>(pid.front()) == ::getpid();
        windows.push_back({static_cast<WindowHandle>(w),
                           visible && canMaximise && !ours ? title(w) : std::wstring(), visible,
                           canMaximise, ours});
    }
    return windows;
}

std::wstring X11Windows::title(Window w) {
    Display* d = display_.get();
    const Property netName = readProperty(d, w, netName_, 4096);
    if (netName.type != None) {
        // _NET_WM_NAME is there: it alone counts, and only as UTF-8.
        if (netName.type != utf8_ || netName.format != 8 || !netName.data) return {};
        return decodeUtf8({reinterpret_cast<const char*>(netName.data.get()), netName.count});
    }
    XTextProperty property{};
    if (!XGetWMName(d, w, &property) || !property.value) return {};
    const PropertyData value(property.value);
    const std::string_view bytes(reinterpret_cast<const char*>(property.value), property.nitems);
    if (property.encoding == XA_STRING && property.format == 8) return decodeLatin1(bytes);
    if (property.encoding == utf8_ && property.format == 8) return decodeUtf8(bytes);
    char** list = nullptr;
    int items = 0;
    std::wstring text;
    if (Xutf8TextPropertyToTextList(d, &property, &list, &items) >= Success && list) {
        if (items > 0 && list[0]) text = decodeUtf8(list[0]);
        XFreeStringList(list);
    }
    return text;
}

void X11Windows::sendToRoot(Window window, Atom type, long a, long b, long c, long d) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = a;
    event.xclient.data.l[1] = b;
    event.xclient.data.l[2] = c;
    event.xclient.data.l[3] = d;
    XSendEvent(display_.get(), root_, False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(display_.get());
}

void X11Windows::raise(WindowHandle window) {
    if (!display_) return;
    // Source 2: a pager's request, which window managers follow (and which un-minimises).
    sendToRoot(static_cast<Window>(window), activeWindow_, 2, CurrentTime, 0, 0);
}

void X11Windows::holdAbove(WindowHandle window, bool above) {
    if (!display_) return;
    const auto w = static_cast<Window>(window);
    sendToRoot(w, state_, above ? 1 : 0, static_cast<long>(stateAbove_), 0, 2);
    // Out of the above layer, a window manager may put it back where it stood before (openbox
    // does): it goes to the top of the others, as a window that leaves the topmost band does on
    // Windows.
    if (!above) sendToRoot(w, restack_, 2, None, Above, 0);
}

void X11Windows::show(WindowHandle window) {
    if (!display_) return;
    const IgnoreXErrors ignore(display_.get());
    XMapWindow(display_.get(), static_cast<Window>(window));
}

void X11Windows::waitUntilTopmost(Window window) {
    // WORKAROUND: the window manager restacks asynchronously; a click before it did could land on
    // the window that was in front.
    // Docks and panels stay above every window: they do not count.
    const auto isDock = [&](Window w) {
        const auto types = longProperty(display_.get(), w, windowType_, XA_ATOM);
        return std::find(types.begin(), types.end(), dockType_) != types.end();
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (std::chrono::steady_clock::now() < deadline) {
        for (Window w : frontToBack()) {
            if (w == window) return;
            if (!isDock(w)) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void X11Windows::scroll(WindowHandle window, std::int32_t delta) {
    if (!display_) return;
    const int clicks = wheelClicks(delta);
    if (clicks == 0) return;
    const auto w = static_cast<Window>(window);
    Display* d = display_.get();
    const IgnoreXErrors ignore(d);
    waitUntilTopmost(w);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(d, w, &attributes)) return;  // the window is gone
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(d, w, root_, attributes.width / 2, attributes.height / 2, &x, &y,
                               &child))
        return;
    const PointerRestore restore(d, root_);
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    const unsigned button = wheelButton(delta);
    for (int i = 0; i < clicks; ++i) {
        XTestFakeButtonEvent(d, button, True, CurrentTime);
        XTestFakeButtonEvent(d, button, False, CurrentTime);
    }
    XSync(d, False);
}

std::optional<std::int32_t> X11Windows::wheelScrollLines() {
    if (!wheelLines_) return std::nullopt;
    return wheelLines_();
}

}  // namespace qpa::x11
