#include "platform/win32/MainWindow.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "core/Numeric.h"
#include "core/ScopeExit.h"
#include "core/Texts.h"

namespace qpa::win32 {

namespace {
constexpr wchar_t kWindowClass[] = L"QuietPageAdvancerMain";
constexpr int kFirstControlId = 1000;
constexpr UINT_PTR kScheduleTimerId = 1;
constexpr UINT kFieldLeft = WM_APP + 1;      // posted: a field lost the focus to another control
constexpr UINT kPostedClick = WM_APP + 2;    // posted: raise the click of control wParam
constexpr UINT kCreateListTip = WM_APP + 3;  // posted at creation: make the list's hover tip
constexpr int kProgramIconResource = 1;
constexpr int kFrameCaptionTwips = 300;  // a frame's caption and the line it stands on
constexpr int kNamingLabelId = 0xFFFF;   // the id of a static control that raises no events
constexpr int kRowGapTwips = 60;         // between two rows of options

// Each tick's time for a debugger's output (DebugView; under Wine, WINEDEBUG=+debugstr), on the
// performance counter the stand-in targets log their receipts by: bench/run measures a step's
// delivery as the time from the tick to the receipt.
void noteTick() {
    LARGE_INTEGER now{}, frequency{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    if (frequency.QuadPart <= 0) return;
    const long long micro = now.QuadPart / frequency.QuadPart * 1000000 +
                            now.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
    // The 8-bit call: Wine 8 prints only that one on its debugger channel.
    std::string note = "qpa.timing: tick|";
    for (const wchar_t digit : integerText(micro)) note += static_cast<char>(digit);
    ::OutputDebugStringA((note + "\n").c_str());
}

int controlId(Control c) {
    return kFirstControlId + static_cast<int>(c);
}

HFONT createFont(const FontDesign& design, int dpi) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(design.hundredthsOfPoint, dpi, 7200);
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(font.lfFaceName, design.face, LF_FACESIZE);
    return ::CreateFontIndirectW(&font);
}

struct ClassAndStyle {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle classFor(const ControlPlacement& p) {
    switch (p.kind) {
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX | WS_GROUP, 0};
        case ControlKind::Label:
            return {L"STATIC", SS_LEFT | SS_NOTIFY | WS_GROUP, 0};
        case ControlKind::TextField:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
        case ControlKind::OptionButton: {
            const bool first = p.control == Control::Option1 || p.control == Control::Option7;
            return {L"BUTTON", BS_AUTORADIOBUTTON | (first ? WS_GROUP | WS_TABSTOP : 0u), 0};
        }
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::List:
            return {WC_LISTVIEWW,
                    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP |
                        WS_GROUP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Progress:
            return {PROGRESS_CLASSW, WS_GROUP, 0};
    }
    return {L"STATIC", 0, 0};
}
}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance) {
    dpi_ = ::GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX);
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    constexpr DWORD exStyle = WS_EX_CONTROLPARENT;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT border{0, 0, 0, 0};
    ::AdjustWindowRectEx(&border, style, FALSE, exStyle);
    layoutDpi_ = fittingDpi(dpi_, work.right - work.left, work.bottom - work.top,
                            border.right - border.left, border.bottom - border.top);
    background_.reset(::CreateSolidBrush(backgroundColour_));
    windowFont_.reset(createFont(kWindowFont, layoutDpi_));
    buttonFont_.reset(createFont(kButtonFont, layoutDpi_));

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &MainWindow::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExW(&windowClass);

    RECT frame{0, 0, px(kClientWidthTwips), px(kClientHeightTwips)};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = work.left + ((work.right - work.left) - width) / 2;
    const int y = work.top + ((work.bottom - work.top) - height) / 2;
    ::CreateWindowExW(exStyle, kWindowClass, L"", style, x, y, width, height, nullptr, nullptr,
                      instance_, this);
    createControls();
}

MainWindow::~MainWindow() {
    if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
}

int MainWindow::px(int twips) const {
    return twipsToPixels(twips, layoutDpi_);
}

void MainWindow::createControls() {
    for (const ControlPlacement& p : kMainWindowLayout) {
        const ClassAndStyle cs = classFor(p);
        const bool showsCaption = p.kind != ControlKind::TextField && p.kind != ControlKind::List &&
                                  p.kind != ControlKind::Progress;
        HFONT font = p.kind == ControlKind::PushButton ? buttonFont_.get() : windowFont_.get();
        // Screen readers name a control that shows no caption of its own after the static text
        // right before it in z-order: a hidden label carries its name there.
        if (!showsCaption)
            createChild(L"STATIC", spokenName(p), SS_LEFT | WS_GROUP, 0, p, kNamingLabelId, font);
        HWND child = createChild(cs.windowClass, showsCaption ? p.caption : L"",
                                 (p.hidden ? 0u : WS_VISIBLE) | cs.style, cs.exStyle, p,
                                 controlId(p.control), font);
        controls_[static_cast<std::size_t>(p.control)] = child;
        fitCaption(p.control);
        if (p.kind == ControlKind::TextField) {
            ::SetWindowSubclass(child, &MainWindow::FieldProc, 1,
                                reinterpret_cast<DWORD_PTR>(this));
        }
        if (p.selectedAtStart) ::SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0);
    }
    progress_.useControl(control(Control::ProgressBar1));
    progress_.setText(placementOf(Control::ProgressBar1).caption);
    list_.useControl(control(Control::ListView1));
    ::SendMessageW(control(Control::ListView1), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                   LVS_EX_FULLROWSELECT);
    // The focus is drawn from the start, not only once the keyboard has been used.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    // The list's hover tip is made once the message loop runs: nobody hovers before the window
    // is shown, and start-up is shorter without it.
    ::PostMessageW(hwnd_, kCreateListTip, 0, 0);
}

// Children are not clipped by their siblings: each frame stands right before (above) what it
// holds, and draws only its line and caption.
HWND MainWindow::createChild(const wchar_t* windowClass, const wchar_t* text, DWORD style,
                             DWORD exStyle, const ControlPlacement& p, int id, HFONT font) {
    HWND child = ::CreateWindowExW(
        exStyle, windowClass, text, WS_CHILD | style, px(p.left), px(p.top), px(p.width),
        px(p.height), hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

// A caption that the screen's font makes wider than its control widens the control, as far as
// the design leaves room beside it.
void MainWindow::fitCaption(Control c) {
    const ControlPlacement& p = placementOf(c);
    const bool marked = p.kind == ControlKind::OptionButton || p.kind == ControlKind::CheckBox;
    if (!marked && p.kind != ControlKind::Label) return;
    HWND child = control(c);
    const std::wstring caption = textOf(c);
    SIZE text{}, digit{};
    {
        const WindowDc dc(child);
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageW(child, WM_GETFONT, 0, 0));
        const ScopeExit restored(
            [&, previous = ::SelectObject(dc.get(), font)] { ::SelectObject(dc.get(), previous); });
        ::GetTextExtentPoint32W(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &text);
        ::GetTextExtentPoint32W(dc.get(), L"0", 1, &digit);
    }
    // An option or a box draws its mark, at the screen's size, and a gap before the caption; in
    // a window laid out smaller than the screen's size, the mark may be taller than the control,
    // which then grows about its middle, into the gap between two rows of options at most.
    const int needed = text.cx + (marked ? ::GetSystemMetrics(SM_CXMENUCHECK) + digit.cx : 0);
    const int width = std::min(std::max(px(p.width), needed), px(captionRoomTwips(c)));
    const int markHeight = marked ? ::GetSystemMetrics(SM_CYMENUCHECK) : 0;
    const int height = std::max(px(p.height), std::min(markHeight, px(p.height + kRowGapTwips)));
    ::SetWindowPos(child, nullptr, px(p.left), px(p.top) - (height - px(p.height)) / 2, width,
                   height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::createListTip() {
    if (listTip_) return;
    HWND list = control(Control::ListView1);
    listTip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                                 nullptr, instance_, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    std::wstring tipText = texts::kListToolTip;
    tool.lpszText = tipText.data();  // copied by the tool tip
    ::SendMessageW(listTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::showAfterLoad() {
    shown_ = true;
    ::ShowWindow(hwnd_, startMinimized_ ? SW_SHOWMINNOACTIVE : SW_SHOWNORMAL);
    ::UpdateWindow(hwnd_);
    // As in a dialog, the first control of the tab order starts with the focus.
    if (!startMinimized_) {
        lastFocus_ = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        ::SetFocus(lastFocus_);
    }
}

void MainWindow::dispatchMessage(MSG& message) {
    if (!::IsDialogMessageW(hwnd_, &message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

int MainWindow::runMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) dispatchMessage(message);
    return static_cast<int>(message.wParam);
}

void MainWindow::letPendingEventsRun() {
    MSG message{};
    for (int guard = 0; guard < 10000 && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
         ++guard) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
            return;
        }
        dispatchMessage(message);
    }
}

void MainWindow::raise(Control c, UiEvent event) {
    report([&](ViewEvents& e) { e.raise(c, event); });
}

void MainWindow::postClick(Control c) {
    ::PostMessageW(hwnd_, kPostedClick, static_cast<WPARAM>(c), 0);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR owner) noexcept {
    auto* self = reinterpret_cast<MainWindow*>(owner);
    if (message == WM_KILLFOCUS && self->quietFocus_ == 0) {
        // Only a move to another control of this window counts as leaving the field; the check
        // runs once the focus has settled.
        HWND next = reinterpret_cast<HWND>(wParam);
        if (next && ::IsChild(self->hwnd_, next)) {
            ::PostMessageW(self->hwnd_, kFieldLeft,
                           static_cast<WPARAM>(::GetDlgCtrlID(hwnd) - kFirstControlId), 0);
        }
    } else if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, &MainWindow::FieldProc, 1);
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam);
            return 0;
        case WM_NOTIFY:
            onNotify(*reinterpret_cast<const NMHDR*>(lParam));
            break;
        case kFieldLeft:
            raise(static_cast<Control>(wParam), UiEvent::LostFocus);
            return 0;
        case kCreateListTip:
            createListTip();
            return 0;
        case kPostedClick:
            raise(static_cast<Control>(wParam), UiEvent::Click);
            return 0;
        case WM_TIMER:
            if (wParam == kScheduleTimerId && events_ && !closing_) {
                noteTick();
                events_->tick();
            }
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT &&
                onSetCursor(reinterpret_cast<HWND>(wParam), HIWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetBkColor(dc, backgroundColour_);
            return reinterpret_cast<LRESULT>(background_.get());
        }
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(hwnd_, &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
            return 1;
        }
        case WM_SIZE:
            if (shown_) report([&](ViewEvents& e) { e.resized(currentState()); });
            return 0;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_CLOSE:
            if (!closing_) {
                raise(Control::Form, UiEvent::QueryUnload);
                closing_ = true;  // no handler runs after the close handler
                ::DestroyWindow(hwnd_);
            }
            return 0;
        case WM_DESTROY:
            ::KillTimer(hwnd_, kScheduleTimerId);
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::onCommand(WPARAM wParam) {
    const int id = LOWORD(wParam) - kFirstControlId;
    if (id < 0 || id >= kControlCount) return;
    const auto c = static_cast<Control>(id);
    const ControlKind kind = placementOf(c).kind;
    const WORD code = HIWORD(wParam);
    if (code == BN_CLICKED && kind == ControlKind::CheckBox) {
        const bool on = ::SendMessageW(control(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
        report([&](ViewEvents& e) { e.checked(c, on); });
    } else if (code == BN_CLICKED &&
               (kind == ControlKind::PushButton || kind == ControlKind::OptionButton)) {
        raise(c, UiEvent::Click);
    } else if (kind == ControlKind::TextField && code == EN_CHANGE && quietChanges_ == 0) {
        const std::wstring text = textOf(c);
        report([&](ViewEvents& e) { e.changed(c, text); });
    } else if (kind == ControlKind::TextField && code == EN_SETFOCUS) {
        raise(c, UiEvent::GotFocus);
    }
}

void MainWindow::onNotify(const NMHDR& header) {
    if (header.hwndFrom == control(Control::ListView1) && header.code == NM_SETFOCUS) {
        // The list shows where the focus is: on the first entry until the arrow keys move it.
        list_.markFocusWhereNone();
        return;
    }
    // The user changed the list's selection: an entry selected, or none (a click beside them).
    if (header.hwndFrom != control(Control::ListView1) || header.code != LVN_ITEMCHANGED ||
        quietChanges_ > 0)
        return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (!(change.uChanged & LVIF_STATE) || !((change.uOldState ^ change.uNewState) & LVIS_SELECTED))
        return;
    const auto index = static_cast<int>(
        ::SendMessageW(header.hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    report([&](ViewEvents& e) { e.selected(index + 1); });
}

void MainWindow::onActivate(WPARAM wParam) {
    // As a dialog does: the focus leaves with the window and comes back to the same control.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
    } else if (!::IsIconic(hwnd_)) {
        HWND target = lastFocus_ && ::IsWindow(lastFocus_)
                          ? lastFocus_
                          : ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        ++quietFocus_;
        ::SetFocus(target);
        --quietFocus_;
    }
}

Control MainWindow::controlAt(HWND hit) const {
    if (hit == hwnd_) {
        // Frames let the mouse through to the window; tell them apart by position.
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(hwnd_, &cursor);
        for (const ControlPlacement& p : kMainWindowLayout) {
            if (p.kind != ControlKind::Frame) continue;
            const RECT r{px(p.left), px(p.top), px(p.left + p.width), px(p.top + p.height)};
            if (::PtInRect(&r, cursor)) return p.control;
        }
        return Control::Form;
    }
    while (hit && ::GetParent(hit) != hwnd_) hit = ::GetParent(hit);
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (hit && controls_[i] == hit) return static_cast<Control>(i);
    return Control::Form;
}

bool MainWindow::onSetCursor(HWND hit, UINT mouseMessage) {
    if (mouseMessage == WM_MOUSEMOVE) raise(controlAt(hit), UiEvent::MouseMove);
    if (pointer_ != Pointer::Custom) return false;
    ::SetCursor(customCursor_ ? customCursor_.get() : ::LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

// --- MainView ---

WindowHandle MainWindow::handle() const {
    return reinterpret_cast<WindowHandle>(hwnd_);
}

void MainWindow::setCaption(Control c, const std::wstring& text) {
    // A caption set to the text it has is left alone: a frame repaints itself whole on every set.
    if (textOf(c) == text) return;
    if (c == Control::Form || placementOf(c).kind != ControlKind::Frame) {
        ::SetWindowTextW(c == Control::Form ? hwnd_ : control(c), text.c_str());
        if (c != Control::Form) fitCaption(c);
        return;
    }
    // A frame invalidates its whole box on a new caption; only the caption's strip has changed
    // (the status frame's countdown changes every second while switched On).
    // The default window procedure stores the text without the button's repaint of the box.
    HWND frame = control(c);
    ::DefWindowProcW(frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    RECT strip{};
    ::GetClientRect(frame, &strip);
    strip.bottom = std::min<LONG>(strip.bottom, px(kFrameCaptionTwips));
    // The strip ends above what the frame holds: a themed frame paints its parent's background
    // over the strip, and the controls below it in z-order would not paint again.
    for (const ControlPlacement& p : kMainWindowLayout) {
        if (containerOf(p.control) != c) continue;
        RECT held{};
        ::GetWindowRect(control(p.control), &held);
        ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&held), 2);
        strip.bottom = std::min(strip.bottom, held.top);
    }
    ::InvalidateRect(frame, &strip, TRUE);
}

std::wstring MainWindow::textOf(Control c) const {
    HWND target = c == Control::Form ? hwnd_ : control(c);
    const int length = ::GetWindowTextLengthW(target);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(target, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void MainWindow::setProgramIcon() {
    bigIcon_.reset(static_cast<HICON>(
        ::LoadImageW(instance_, MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
    smallIcon_.reset(static_cast<HICON>(
        ::LoadImageW(instance_, MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0)));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void MainWindow::useButtonFaceColours() {
    backgroundColour_ = ::GetSysColor(COLOR_BTNFACE);
    background_.reset(::CreateSolidBrush(backgroundColour_));
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool MainWindow::loadCustomPointer(const std::wstring& path) {
    auto cursor = static_cast<HCURSOR>(
        ::LoadImageW(nullptr, path.c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (!cursor) return false;
    customCursor_.reset(cursor);
    return true;
}

void MainWindow::setWindowState(WindowState state) {
    if (!shown_) {
        startMinimized_ = state == WindowState::Minimized;
    } else if (!::IsWindowVisible(hwnd_)) {
        // Minimising or restoring would show the window: a hidden one takes the state when shown.
        stateWhenShown_ = state;
    } else if (state == WindowState::Minimized) {
        ::ShowWindow(hwnd_, SW_MINIMIZE);
    } else if (::IsIconic(hwnd_)) {
        ::ShowWindow(hwnd_, SW_RESTORE);
    }
}

WindowState MainWindow::currentState() const {
    if (!shown_) return startMinimized_ ? WindowState::Minimized : WindowState::Normal;
    if (stateWhenShown_ && !::IsWindowVisible(hwnd_)) return *stateWhenShown_;
    return ::IsIconic(hwnd_) ? WindowState::Minimized : WindowState::Normal;
}

void MainWindow::setWindowVisible(bool visible) {
    const auto state = std::exchange(stateWhenShown_, std::nullopt);
    if (!visible) {
        ::ShowWindow(hwnd_, SW_HIDE);
    } else if (state == WindowState::Minimized) {
        ::ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
    } else if (state == WindowState::Normal && ::IsIconic(hwnd_)) {
        ::ShowWindow(hwnd_, SW_RESTORE);
    } else {
        ::ShowWindow(hwnd_, SW_SHOW);
    }
}

void MainWindow::activateWindow() {
    if (::IsIconic(hwnd_)) ::ShowWindow(hwnd_, SW_RESTORE);
    ::SetForegroundWindow(hwnd_);
    ::SetActiveWindow(hwnd_);
}

void MainWindow::setOptionValue(int n, bool selected) {
    if (selected) {
        const auto [first, last] = optionGroup(n);
        for (int i = first; i <= last; ++i)
            if (i != n) ::SendMessageW(control(optionControl(i)), BM_SETCHECK, BST_UNCHECKED, 0);
    }
    ::SendMessageW(control(optionControl(n)), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED,
                   0);
}

void MainWindow::clearList() {
    ++quietChanges_;
    list_.clear();
    --quietChanges_;
}

void MainWindow::selectListItem(int index) {
    ++quietChanges_;
    list_.select(index);
    --quietChanges_;
}

void MainWindow::setText(Control field, const std::wstring& value) {
    ++quietChanges_;
    ::SetWindowTextW(control(field), value.c_str());
    --quietChanges_;
}

void MainWindow::selectAllText(Control field) {
    ::SendMessageW(control(field), EM_SETSEL, 0, -1);
}

void MainWindow::setFocus(Control c) {
    ++quietFocus_;
    ::SetFocus(control(c));
    --quietFocus_;
}

void MainWindow::setChecked(Control box, bool value) {
    ::SendMessageW(control(box), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void MainWindow::setControlVisible(Control c, bool visible) {
    ::ShowWindow(control(c), visible ? SW_SHOW : SW_HIDE);
}

void MainWindow::addListColumn(const std::wstring& header, int widthTwips) {
    list_.addColumn(header, px(widthTwips));
}

// --- ScheduleTimer ---

void MainWindow::start(int milliseconds) {
    ::SetTimer(hwnd_, kScheduleTimerId, static_cast<UINT>(milliseconds), nullptr);
}

void MainWindow::stop() {
    ::KillTimer(hwnd_, kScheduleTimerId);
}

}  // namespace qpa::win32
