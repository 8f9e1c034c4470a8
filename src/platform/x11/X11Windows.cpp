#include "platform/x11/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <span>
#include <thread>

#include "platform/portable/WheelNotches.h"
#include "platform/qt/Utf8.h"
#include "platform/qt/WheelLines.h"

namespace qpa::x11 {

namespace {
// A reply of the X server, freed once.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, FreeReply>;

PropertyReply reply(xcb_connection_t* c, xcb_get_property_cookie_t cookie) {
    xcb_generic_error_t* error = nullptr;  // a window gone meanwhile: no reply, no message
    PropertyReply r(xcb_get_property_reply(c, cookie, &error));
    std::free(error);
    return r;
}

// The items of a property reply of the given format, as a view into the reply.
template <class Item>
std::span<const Item> items(const PropertyReply& r, int format) {
    if (!r || r->format != format) return {};
    return {static_cast<const Item*>(xcb_get_property_value(r.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(r.get())) / sizeof(Item)};
}
// Any reply of the X server, or nothing when the request failed (a window gone meanwhile).
template <class Reply>
std::unique_ptr<Reply, FreeReply> checked(Reply* r, xcb_generic_error_t* error) {
    std::free(error);
    return std::unique_ptr<Reply, FreeReply>(r);
}

// The server serves no other client while it lives: the stacking, the windows and the pointer stay
// as this client sees them. Held for a few requests only; released on every path.
class ServerGrab {
  public:
    explicit ServerGrab(Display* display) : display_(display) { XGrabServer(display); }
    ServerGrab(const ServerGrab&) = delete;
    ServerGrab& operator=(const ServerGrab&) = delete;
    ~ServerGrab() {
        XUngrabServer(display_);
        XSync(display_, False);
    }

  private:
    Display* display_;
};

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

X11Windows::X11Windows() : display_(XOpenDisplay(nullptr)) {
    if (!display_) return;
    Display* d = display_.get();
    if (QCoreApplication::instance()) {
        eventReader_ =
            std::make_unique<QSocketNotifier>(ConnectionNumber(d), QSocketNotifier::Read);
        QObject::connect(eventReader_.get(), &QSocketNotifier::activated, [this] { readEvents(); });
    }
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
    // Every property of every window is asked for at once, and the replies are read after: one
    // round trip to the server for the whole list instead of four a window.
    xcb_connection_t* c = XGetXCBConnection(display_.get());
    const auto ask = [c](Window w, Atom property, Atom type, std::uint32_t length) {
        return xcb_get_property(c, 0, static_cast<xcb_window_t>(w),
                                static_cast<xcb_atom_t>(property), static_cast<xcb_atom_t>(type), 0,
                                length);
    };
    // Each window is watched for its destruction from now on (see stillListed).
    const std::uint32_t watch[] = {XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    struct Asked {
        Window window;
        xcb_void_cookie_t watched;
        xcb_get_property_cookie_t state, actions, pid, name;
    };
    std::vector<Asked> asked;
    forgetDestroyed();  // of the windows listed before: they are all listed anew, or not
    for (Window w : frontToBack()) {
        asked.push_back({w,
                         xcb_change_window_attributes_checked(c, static_cast<xcb_window_t>(w),
                                                              XCB_CW_EVENT_MASK, watch),
                         ask(w, wmState_, wmState_, 1), ask(w, allowedActions_, XA_ATOM, 64),
                         ask(w, pid_, XA_CARDINAL, 1), ask(w, netName_, XCB_ATOM_ANY, 1024)});
    }
    std::vector<std::uint64_t> watched;
    for (const Asked& a : asked) {
        if (xcb_generic_error_t* gone = xcb_request_check(c, a.watched))
            std::free(gone);
        else
            watched.push_back(a.window);
    }
    listed_.list(watched);
    forgetDestroyed();  // windows gone while they were being listed
    for (const Asked& a : asked) {
        const PropertyReply state = reply(c, a.state), actions = reply(c, a.actions),
                            pid = reply(c, a.pid), name = reply(c, a.name);
        // Listed by the window manager and not withdrawn: a minimised window counts as visible.
        const auto wmState = items<std::uint32_t>(state, 32);
        const bool visible = wmState.empty() || wmState.front() != WithdrawnState;
        const auto allowed = items<xcb_atom_t>(actions, 32);
        const auto allows = [&](Atom atom) {
            return std::find(allowed.begin(), allowed.end(), atom) != allowed.end();
        };
        const bool canMaximise = allows(maximizeHorizontally_) && allows(maximizeVertically_);
        const auto pids = items<std::uint32_t>(pid, 32);
        const bool ours = !pids.empty() && static_cast<pid_t>(pids.front()) == ::getpid();
        std::wstring title;
        if (visible && canMaximise && !ours) {
            // _NET_WM_NAME, where it is set, alone counts, and only as UTF-8.
            const auto utf8 = items<char>(name, 8);
            if (!name || name->type == XCB_ATOM_NONE) {
                title = legacyTitle(a.window);
            } else if (name->type == utf8_) {
                title = qt::fromUtf8({utf8.data(), utf8.size()});
            }
        }
        windows.push_back({static_cast<WindowHandle>(a.window), title, visible, canMaximise, ours});
    }
    return windows;
}

std::wstring X11Windows::legacyTitle(Window w) {
    Display* d = display_.get();
    const IgnoreXErrors ignore(d);
    XTextProperty property{};
    if (!XGetWMName(d, w, &property) || !property.value) return {};
    const PropertyData value(property.value);
    const std::string_view bytes(reinterpret_cast<const char*>(property.value), property.nitems);
    if (property.encoding == XA_STRING && property.format == 8) return qt::fromLatin1(bytes);
    if (property.encoding == utf8_ && property.format == 8) return qt::fromUtf8(bytes);
    char** list = nullptr;
    int items = 0;
    std::wstring text;
    if (Xutf8TextPropertyToTextList(d, &property, &list, &items) >= Success && list) {
        if (items > 0 && list[0]) text = qt::fromUtf8(list[0]);
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

void X11Windows::forgetDestroyed() {
    XSync(display_.get(), False);  // the events the server sent before this are all read
    readEvents();
}

void X11Windows::readEvents() {
    Display* d = display_.get();
    while (XPending(d) > 0) {
        XEvent event{};
        XNextEvent(d, &event);
        if (event.type == DestroyNotify) listed_.destroyed(event.xdestroywindow.window);
    }
}

bool X11Windows::stillListed(Window window) {
    forgetDestroyed();
    return listed_.contains(window);
}

void X11Windows::raise(WindowHandle window) {
    if (!display_ || !stillListed(static_cast<Window>(window))) return;
    // Source 2: a pager's request, which window managers follow (and which un-minimises).
    sendToRoot(static_cast<Window>(window), activeWindow_, 2, CurrentTime, 0, 0);
}

void X11Windows::holdAbove(WindowHandle window, bool above) {
    const auto w = static_cast<Window>(window);
    if (!display_ || !stillListed(w)) return;
    sendToRoot(w, state_, above ? 1 : 0, static_cast<long>(stateAbove_), 0, 2);
    // Out of the above layer, a window manager may put it back where it stood before (openbox
    // does): it goes to the top of the others, as a window that leaves the topmost band does on
    // Windows.
    if (!above) sendToRoot(w, restack_, 2, None, Above, 0);
}

void X11Windows::show(WindowHandle window) {
    if (!display_ || !stillListed(static_cast<Window>(window))) return;
    const IgnoreXErrors ignore(display_.get());
    XMapWindow(display_.get(), static_cast<Window>(window));
}

void X11Windows::waitUntilTopmost(Window window, std::chrono::steady_clock::time_point deadline) {
    // WORKAROUND: the window manager restacks asynchronously; a click before it did could land on
    // the window that was in front.
    // Docks and panels stay above every window: they do not count. A loaded machine can take a few
    // hundred milliseconds; a window manager that never raises it costs half a second a step.
    const auto isDock = [&](Window w) {
        const auto types = longProperty(display_.get(), w, windowType_, XA_ATOM);
        return std::find(types.begin(), types.end(), dockType_) != types.end();
    };
    while (std::chrono::steady_clock::now() < deadline) {
        for (Window w : frontToBack()) {
            if (w == window) return;
            if (!isDock(w)) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

Window X11Windows::topLevelAncestor(Window window) {
    Window current = window;
    for (;;) {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display_.get(), current, &root, &parent, &children, &count)) return window;
        if (children) XFree(children);
        if (parent == root || parent == 0) return current;
        current = parent;
    }
}

std::optional<aim::Point> X11Windows::uncoveredPoint(Window window, Window frame) {
    Display* d = display_.get();
    XWindowAttributes target{}, screen{};
    if (!XGetWindowAttributes(d, window, &target) || target.map_state != IsViewable ||
        !XGetWindowAttributes(d, root_, &screen))
        return std::nullopt;
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(d, window, root_, 0, 0, &x, &y, &child)) return std::nullopt;
    const aim::Rect content =
        aim::intersection({x, y, target.width, target.height}, {0, 0, screen.width, screen.height});
    // Every mapped child of the root above the frame counts: other frames, docks, and the
    // override-redirect windows (menus, tooltips, notifications) the window manager never sees.
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, root_, &rootReturn, &parent, &children, &count)) return std::nullopt;
    const PropertyData childrenData(reinterpret_cast<unsigned char*>(children));
    const std::span<const Window> bottomToTop(children, count);
    const auto at = std::find(bottomToTop.begin(), bottomToTop.end(), frame);
    if (at == bottomToTop.end()) return std::nullopt;
    xcb_connection_t* c = XGetXCBConnection(d);
    struct Asked {
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_geometry_cookie_t geometry;
    };
    std::vector<Asked> asked;
    for (auto w = at + 1; w != bottomToTop.end(); ++w) {
        const auto id = static_cast<xcb_window_t>(*w);
        asked.push_back({xcb_get_window_attributes(c, id), xcb_get_geometry(c, id)});
    }
    std::vector<aim::Rect> above;
    for (const Asked& a : asked) {
        xcb_generic_error_t* error = nullptr;
        const auto attributes =
            checked(xcb_get_window_attributes_reply(c, a.attributes, &error), error);
        error = nullptr;
        const auto geometry = checked(xcb_get_geometry_reply(c, a.geometry, &error), error);
        if (!attributes || !geometry || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
        const int border = 2 * geometry->border_width;
        above.push_back(
            {geometry->x, geometry->y, geometry->width + border, geometry->height + border});
    }
    return aim::uncoveredPoint(content, above);
}

X11Windows::Wheel X11Windows::turnWheelOver(Window window, std::int32_t delta, int clicks) {
    Display* d = display_.get();
    const ServerGrab grab(d);
    // Put back before the grab ends (it is made after the grab, so it goes first): a click that
    // another client sent meanwhile waits for the grab, and must find the pointer where that
    // client put it, not over the target.
    const PointerRestore restore(d, root_);
    if (!stillListed(window)) return Wheel::gone;
    const Window frame = topLevelAncestor(window);
    const auto point = uncoveredPoint(window, frame);
    if (!point) return Wheel::covered;
    XTestFakeMotionEvent(d, -1, point->x, point->y, CurrentTime);
    // The server has moved the pointer before it answers: the press goes where it now is.
    Window root = 0, child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned mask = 0;
    if (!XQueryPointer(d, root_, &root, &child, &rootX, &rootY, &x, &y, &mask) || child != frame)
        return Wheel::covered;
    const unsigned button = wheelButton(delta);
    for (int i = 0; i < clicks; ++i) {
        XTestFakeButtonEvent(d, button, True, CurrentTime);
        XTestFakeButtonEvent(d, button, False, CurrentTime);
    }
    return Wheel::delivered;
}

void X11Windows::scroll(WindowHandle window, std::int32_t delta) {
    const auto w = static_cast<Window>(window);
    if (!display_ || !stillListed(w)) return;
    const int clicks = wheelNotches(delta);
    if (clicks == 0) return;
    Display* d = display_.get();
    const IgnoreXErrors ignore(d);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    waitUntilTopmost(w, deadline);
    // A window the window manager is still raising, or one wholly covered for a moment, is tried
    // again until the deadline; then the step is left out: a click anywhere else would reach
    // another window.
    while (turnWheelOver(w, delta, clicks) == Wheel::covered &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

std::optional<std::int32_t> X11Windows::wheelScrollLines() {
    return qt::wheelScrollLines();
}

}  // namespace qpa::x11
