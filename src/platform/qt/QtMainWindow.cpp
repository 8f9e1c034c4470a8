#include "platform/qt/QtMainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTreeWidget>
#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

#include "core/Texts.h"
#include "platform/qt/QtText.h"
#include "platform/qt/ScaledMarks.h"

namespace qpa::qt {

namespace {
// The design's font, made smaller with the window where the screen is too small for it.
QFont qfont(const FontDesign& design, double scale) {
    QFont font(QString::fromWCharArray(design.face));
    font.setPointSizeF(design.hundredthsOfPoint / 100.0 * scale);
    font.setBold(design.bold);
    return font;
}

// The frame allowance of a window whose frame is not known yet (see the constructor).
constexpr int kFrameAllowanceWidthTwips = 240;
constexpr int kFrameAllowanceHeightTwips = 720;

// Each tick's time on the monotonic clock the stand-in targets log their receipts by: bench/run
// measures a step's delivery as the time from the tick to the receipt. Off unless asked for
// (QT_LOGGING_RULES="qpa.timing.debug=true").
Q_LOGGING_CATEGORY(timingLog, "qpa.timing", QtWarningMsg)

double monotonicMicroseconds() {
    return std::chrono::duration<double, std::micro>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

QtMainWindow::QtMainWindow() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        dpi_ = qRound(screen->logicalDotsPerInch());
        // The window manager's frame is not known before the window is first shown: room is kept
        // for a title bar and thin borders.
        const QRect work = screen->availableGeometry();
        layoutDpi_ = fittingDpi(dpi_, work.width(), work.height(),
                                twipsToPixels(kFrameAllowanceWidthTwips, dpi_),
                                twipsToPixels(kFrameAllowanceHeightTwips, dpi_));
    }
    setObjectName(QStringLiteral("Form1"));
    trayHostCheck_.setInterval(1000);
    connect(&trayHostCheck_, &QTimer::timeout, this, &QtMainWindow::followTrayHost);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(kClientWidthTwips), px(kClientHeightTwips));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(qfont(kWindowFont, fontScale()));
    if (layoutDpi_ < dpi_) smallerMarks_ = std::make_unique<ScaledMarks>(fontScale());
    setMouseTracking(true);
    createControls();
    timer_.setTimerType(Qt::PreciseTimer);  // the schedule counts whole seconds
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        if (!events_ || closing_) return;
        qCDebug(timingLog, "tick|%.0f", monotonicMicroseconds());
        events_->tick();
    });
}

int QtMainWindow::px(int twips) const {
    return twipsToPixels(twips, layoutDpi_);
}

double QtMainWindow::fontScale() const {
    return static_cast<double>(layoutDpi_) / dpi_;
}

void QtMainWindow::createControls() {
    // Frames first: each holds its controls, so that screen readers find an option in its group.
    for (int pass = 0; pass < 2; ++pass) {
        for (const ControlPlacement& p : kMainWindowLayout) {
            if ((p.kind == ControlKind::Frame) != (pass == 0)) continue;
            const Control holder = containerOf(p.control);
            QWidget* parent = holder == Control::Form ? this : control(holder);
            QWidget* widget = nullptr;
            switch (p.kind) {
                case ControlKind::Frame:
                    widget = new QGroupBox(qtext(p.caption), parent);
                    break;
                case ControlKind::Label:
                    widget = new QLabel(qtext(p.caption), parent);
                    break;
                case ControlKind::TextField: {
                    auto* edit = new QLineEdit(parent);
                    // Qt cuts a text at 32767 characters by default; a stored value that long
                    // is shown whole, so that the field never writes it back cut.
                    edit->setMaxLength(std::numeric_limits<int>::max());
                    widget = edit;
                    break;
                }
                case ControlKind::OptionButton: {
                    auto* radio = new QRadioButton(qtext(p.caption), parent);
                    const int n = optionNumber(p.control);
                    (optionGroup(n).first == 1 ? methods_ : scopes_).addButton(radio, n);
                    QObject::connect(radio, &QRadioButton::clicked, this,
                                     [this, c = p.control] { raise(c, UiEvent::Click); });
                    widget = radio;
                    break;
                }
                case ControlKind::CheckBox: {
                    auto* box = new QCheckBox(qtext(p.caption), parent);
                    QObject::connect(box, &QCheckBox::clicked, this,
                                     [this, c = p.control](bool on) {
                                         report([&](ViewEvents& e) { e.checked(c, on); });
                                     });
                    widget = box;
                    break;
                }
                case ControlKind::PushButton: {
                    auto* button = new QPushButton(qtext(p.caption), parent);
                    button->setFont(qfont(kButtonFont, fontScale()));
                    button->setAutoDefault(true);  // Enter presses the focused button, as Space
                    QObject::connect(button, &QPushButton::clicked, this,
                                     [this, c = p.control] { raise(c, UiEvent::Click); });
                    widget = button;
                    break;
                }
                case ControlKind::List: {
                    auto* tree = new QTreeWidget(parent);
                    tree->setRootIsDecorated(false);
                    tree->setSelectionMode(QAbstractItemView::SingleSelection);
                    tree->setHeaderHidden(false);
                    tree->setColumnCount(1);
                    tree->setHeaderLabels({QString()});
                    tree->setToolTip(qtext(texts::kListToolTip));
                    tree->header()->setStretchLastSection(false);
                    QObject::connect(tree, &QTreeWidget::itemSelectionChanged, this, [this, tree] {
                        if (quietSelection_ > 0) return;
                        // The user's selection: an entry, or none (a click beside them).
                        const auto items = tree->selectedItems();
                        const int index =
                            items.isEmpty() ? 0 : tree->indexOfTopLevelItem(items.front()) + 1;
                        report([&](ViewEvents& e) { e.selected(index); });
                    });
                    widget = tree;
                    break;
                }
                case ControlKind::Progress: {
                    auto* bar = new QProgressBar(parent);
                    bar->setRange(0, 100);
                    bar->setValue(0);
                    bar->setTextVisible(false);
                    widget = bar;
                    break;
                }
            }
            if (smallerMarks_ &&
                (p.kind == ControlKind::OptionButton || p.kind == ControlKind::CheckBox))
                widget->setStyle(smallerMarks_.get());
            widget->setObjectName(QString::fromLatin1(controlName(p.control)));
            const QPoint origin = holder == Control::Form ? QPoint() : control(holder)->pos();
            widget->setGeometry(px(p.left) - origin.x(), px(p.top) - origin.y(), px(p.width),
                                px(p.height));
            // What screen readers and voice control call a control without a caption of its own,
            // and what a button opens.
            if (p.spoken.name || p.kind == ControlKind::Progress)
                widget->setAccessibleName(qtext(spokenName(p)));
            if (p.spoken.description) widget->setAccessibleDescription(qtext(p.spoken.description));
            widget->setMouseTracking(true);
            widget->installEventFilter(this);
            if (p.hidden) widget->hide();
            controls_[static_cast<std::size_t>(p.control)] = widget;
            fitCaption(p.control);
        }
    }
    for (const ControlPlacement& p : kMainWindowLayout)
        if (p.selectedAtStart) static_cast<QRadioButton*>(control(p.control))->setChecked(true);
    for (Control field : {Control::Text2, Control::Text3}) {
        auto* edit = static_cast<QLineEdit*>(control(field));
        QObject::connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
            report([&](ViewEvents& e) { e.changed(field, text.toStdWString()); });
        });
    }
    // The tab order of the window: the two schedule fields first, then the layout's order.
    QWidget* previous = nullptr;
    for (const ControlPlacement& p : kMainWindowLayout) {
        QWidget* widget = control(p.control);
        if (p.kind == ControlKind::Frame || p.kind == ControlKind::Label ||
            p.kind == ControlKind::Progress)
            continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    // As in a Windows dialog, a group of options is one tab stop, at its chosen option; the arrow
    // keys move within it and select as they move.
    for (QButtonGroup* group : {&methods_, &scopes_}) {
        QObject::connect(group, &QButtonGroup::buttonToggled, this,
                         [group] { tabStopAtChosen(*group); });
        tabStopAtChosen(*group);
    }
}

void QtMainWindow::tabStopAtChosen(QButtonGroup& group) {
    const auto buttons = group.buttons();
    QAbstractButton* chosen = group.checkedButton() ? group.checkedButton() : buttons.front();
    for (QAbstractButton* button : buttons)
        button->setFocusPolicy(button == chosen ? Qt::StrongFocus : Qt::ClickFocus);
}

Control QtMainWindow::controlOf(QObject* object) const {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i] == object) return static_cast<Control>(i);
    return Control::Form;
}

void QtMainWindow::raise(Control c, UiEvent event) {
    report([&](ViewEvents& e) { e.raise(c, event); });
}

void QtMainWindow::postClick(Control c) {
    QTimer::singleShot(0, this, [this, c] { raise(c, UiEvent::Click); });
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    const Control c = controlOf(watched);
    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::Enter:
            raise(c, UiEvent::MouseMove);
            break;
        case QEvent::FocusIn:
            if (c == Control::Text2 || c == Control::Text3) {
                raise(c, UiEvent::GotFocus);
            }
            break;
        case QEvent::FocusOut:
            if ((c == Control::Text2 || c == Control::Text3) && quietFocus_ == 0) {
                const auto reason = static_cast<QFocusEvent*>(event)->reason();
                // Only a move to another control of this window counts as leaving the field; the
                // check runs once the focus has settled.
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                    QTimer::singleShot(0, this, [this, c] {
                        if (QApplication::focusWidget() &&
                            isAncestorOf(QApplication::focusWidget()))
                            raise(c, UiEvent::LostFocus);
                    });
                }
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void QtMainWindow::mouseMoveEvent(QMouseEvent* event) {
    raise(Control::Form, UiEvent::MouseMove);
    QWidget::mouseMoveEvent(event);
}

void QtMainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        // WORKAROUND: sway ignores a minimise, and Qt 6.4 on Wayland then reports the normal
        // state again at the next configure, which can come before this handler runs: the
        // handler is told the state this change reported.
        const WindowState reported = isMinimized() ? WindowState::Minimized : WindowState::Normal;
        if (inTray_ && isVisible() && reported == WindowState::Normal && managerTellsMinimised_) {
            // Minimised for want of a tray host, and restored from the task bar.
            QTimer::singleShot(0, this, [this] {
                if (inTray_ && isVisible() && !isMinimized() && restoredOutsideTray_) {
                    restoredOutsideTray_();
                }
            });
        }
        QTimer::singleShot(
            0, this, [this, reported] { report([&](ViewEvents& e) { e.resized(reported); }); });
    }
    QWidget::changeEvent(event);
}

void QtMainWindow::restoredByDesktop() {
    if (inTray_ && isVisible() && restoredOutsideTray_) restoredOutsideTray_();
}

void QtMainWindow::minimisedByDesktop() {
    if (isVisible()) report([](ViewEvents& e) { e.resized(WindowState::Minimized); });
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        raise(Control::Form, UiEvent::QueryUnload);
        closing_ = true;  // no handler runs after the close handler
    }
    event->accept();
    QApplication::quit();
}

void QtMainWindow::showAfterLoad() {
    if (stateWhenShown_ == WindowState::Minimized && QSystemTrayIcon::isSystemTrayAvailable()) {
        // Started into the tray: the window is not mapped until it is brought back.
        QTimer::singleShot(0, this,
                           [this] { report([&](ViewEvents& e) { e.resized(currentState()); }); });
    } else {
        setWindowVisible(true);
        if (!isMinimized()) control(Control::Text2)->setFocus(Qt::TabFocusReason);
    }
}

// --- MainView ---

WindowHandle QtMainWindow::handle() const {
    // Qt numbers a Wayland window itself (1 for the first), and KWin's windows, numbered from 1
    // too, would meet it. The Wayland adapters tell our own windows by the process id instead.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return 0;
    return static_cast<WindowHandle>(const_cast<QtMainWindow*>(this)->winId());
}

void QtMainWindow::setCaption(Control c, const std::wstring& text) {
    if (c == Control::Form) return setWindowTitle(qtext(text));
    QWidget* widget = control(c);
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) frame->setTitle(qtext(text));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(qtext(text));
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(qtext(text));
    fitCaption(c);
}

// A caption that the screen's font makes wider than its control widens the control, as far as
// the design leaves room beside it.
void QtMainWindow::fitCaption(Control c) {
    const ControlPlacement& p = placementOf(c);
    if (p.kind != ControlKind::Label && p.kind != ControlKind::OptionButton &&
        p.kind != ControlKind::CheckBox)
        return;
    QWidget* widget = control(c);
    const int needed = widget->sizeHint().width();
    widget->resize(std::min(std::max(px(p.width), needed), px(captionRoomTwips(c))), px(p.height));
}

void QtMainWindow::setProgramIcon() {
    setWindowIcon(QApplication::windowIcon());  // the program's icon as main() loaded it
}

void QtMainWindow::useButtonFaceColours() {
    const QColor face = QApplication::palette().color(QPalette::Button);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, face);
    setPalette(palette);
}

bool QtMainWindow::loadCustomPointer(const std::wstring& path) {
    const QPixmap image(qtext(path));
    if (image.isNull()) return false;
    customCursor_ = QCursor(image);
    hasCustomCursor_ = true;
    return true;
}

void QtMainWindow::setPointer(Pointer p) {
    if (p == Pointer::Custom && hasCustomCursor_) {
        setCursor(customCursor_);
    } else {
        unsetCursor();
    }
}

void QtMainWindow::setWindowState(WindowState state) {
    if (!isVisible() || inTray_) {
        // A hidden window takes the state when it is shown. Asked of Qt now, the window manager
        // would be told too, and could hold the window iconic after it is brought back; a window
        // minimised in place of the tray stays minimised.
        stateWhenShown_ = state;
    } else if (state == WindowState::Minimized) {
        minimise();
    } else if (isMinimized()) {
        showNormal();
    }
}

WindowState QtMainWindow::currentState() const {
    if ((!isVisible() || inTray_) && stateWhenShown_) return *stateWhenShown_;
    return isMinimized() ? WindowState::Minimized : WindowState::Normal;
}

void QtMainWindow::setWindowVisible(bool visible) {
    const auto state = std::exchange(stateWhenShown_, std::nullopt);
    inTray_ = !visible;
    if (visible) {
        trayHostCheck_.stop();
        if (!isVisible() && (isMinimized() || iconicHint_) &&
            testAttribute(Qt::WA_WState_Created)) {
            // The hidden window still carries the minimised state it had when it went into the
            // tray, or a minimise asked by Qt (the switch's) left "iconic" in its hints while the
            // window manager's later word made Qt forget it was minimised. Qt would map it again
            // without changing those hints, and the window manager would map it iconic: the
            // window would come back minimised and go straight back into the tray (seen for one
            // click in three). A fresh native window starts without that past (its dialogs keep
            // theirs).
            destroy(true, false);
            iconicHint_ = false;
        }
        state == WindowState::Minimized ? minimise() : showNormal();
        return;
    }
    // Without a tray there would be no way back: the window stays minimised instead.
    QSystemTrayIcon::isSystemTrayAvailable() ? hide() : minimise();
    trayHostCheck_.start();
}

// Qt says nothing public when a tray host comes or goes (its own tray icon hears it through the
// platform plugin's private interface), so while the window is in the tray it asks once a second.
void QtMainWindow::followTrayHost() {
    if (!inTray_) return trayHostCheck_.stop();
    const bool trayHost = QSystemTrayIcon::isSystemTrayAvailable();
    if (!trayHost && !isVisible()) {
        minimise();  // the tray holding the window went away: no way back but the task bar
    } else if (trayHost && isVisible() && isMinimized()) {
        hide();  // minimised for want of a tray host, and one has come
    }
}

void QtMainWindow::minimise() {
    iconicHint_ = managerTellsMinimised_;
    showMinimized();
}

void QtMainWindow::activateWindow() {
    if (isMinimized()) showNormal();
    QWidget::raise();
    QWidget::activateWindow();
    if (raiseOwnWindow_) raiseOwnWindow_();
}

void QtMainWindow::setOptionValue(int n, bool selected) {
    auto* radio = static_cast<QRadioButton*>(control(optionControl(n)));
    QButtonGroup& group = optionGroup(n).first == 1 ? methods_ : scopes_;
    // An exclusive group refuses to clear its checked button: clearing selects none.
    group.setExclusive(selected);
    radio->setChecked(selected);
    group.setExclusive(true);
}

void QtMainWindow::setText(Control field, const std::wstring& value) {
    static_cast<QLineEdit*>(control(field))
        ->setText(qtext(value));  // textEdited is the user's only
}

void QtMainWindow::selectAllText(Control field) {
    auto* edit = static_cast<QLineEdit*>(control(field));
    QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });  // after the click that focused it
}

void QtMainWindow::setFocus(Control c) {
    ++quietFocus_;
    control(c)->setFocus(Qt::OtherFocusReason);
    --quietFocus_;
}

void QtMainWindow::setChecked(Control box, bool value) {
    static_cast<QCheckBox*>(control(box))->setChecked(value);
}

void QtMainWindow::setControlVisible(Control c, bool visible) {
    control(c)->setVisible(visible);
}

QProgressBar* QtMainWindow::progressBar() const {
    return static_cast<QProgressBar*>(control(Control::ProgressBar1));
}

QTreeWidget* QtMainWindow::list() const {
    return static_cast<QTreeWidget*>(control(Control::ListView1));
}

void QtMainWindow::setProgressMaximum(std::int32_t maximum) {
    progressMaximum_ = maximum;
    progressBar()->setRange(0, maximum > 0 ? maximum : 1);  // a range of nothing: an empty bar
    if (maximum <= 0) progressBar()->setValue(0);
}

void QtMainWindow::setProgressValue(std::int32_t value) {
    progressBar()->setValue(progressMaximum_ > 0 ? value : 0);
}

void QtMainWindow::setProgressText(const std::wstring& value) {
    progressBar()->setAccessibleName(qtext(value));
}

void QtMainWindow::addListColumn(const std::wstring& header, int widthTwips) {
    list()->setHeaderLabels({qtext(header)});
    list()->setColumnWidth(0, px(widthTwips));
}

void QtMainWindow::clearList() {
    ++quietSelection_;
    list()->clear();
    --quietSelection_;
}

void QtMainWindow::appendListItem(const std::wstring& value) {
    new QTreeWidgetItem(list(), QStringList{qtext(value)});
}

void QtMainWindow::selectListItem(int index) {
    QTreeWidgetItem* item = list()->topLevelItem(index - 1);
    if (!item) return;
    ++quietSelection_;
    list()->setCurrentItem(item);
    item->setSelected(true);
    --quietSelection_;
    list()->scrollToItem(item);
}

void QtMainWindow::letPendingEventsRun() {
    QCoreApplication::processEvents();
}

}  // namespace qpa::qt
