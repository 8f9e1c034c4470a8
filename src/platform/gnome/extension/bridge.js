// The Shell's side of the page advancer on GNOME. GNOME gives applications no way to list, raise or
// scroll other applications' windows; the Shell itself can. This bridge does it for one caller
// only: the program that owns PROGRAM_NAME on the session bus. Window titles and injected input
// are not for every application, so every other caller is refused.
//
// This file is the body shared by both builds; legacy.js (GNOME 43-44) and module.js (45-50) put
// their imports before it and their entry point after it.

const PROGRAM_NAME = 'com.tervalinx.QuietPageAdvancer';
const BUS_NAME = 'com.tervalinx.QuietPageAdvancer.Shell';
const OBJECT_PATH = '/com/tervalinx/QuietPageAdvancer/Shell';
const INTERFACE_NAME = 'com.tervalinx.QuietPageAdvancer.Shell1';
const INTERFACE_XML = `<node>
  <interface name="${INTERFACE_NAME}">
    <!-- Front to back: id, title, process id, can maximise, minimised, frame x, y, width, height -->
    <method name="ListWindows"><arg type="a(tsibbiiii)" direction="out" name="windows"/></method>
    <method name="Activate"><arg type="t" direction="in" name="id"/>
      <arg type="b" direction="out" name="focused"/></method>
    <method name="SetAbove"><arg type="t" direction="in" name="id"/>
      <arg type="b" direction="in" name="above"/><arg type="b" direction="out" name="done"/></method>
    <!-- Whole wheel notches, positive downwards; false when no notch was sent -->
    <method name="Scroll"><arg type="t" direction="in" name="id"/>
      <arg type="i" direction="in" name="notches"/><arg type="b" direction="out" name="sent"/></method>
    <signal name="Chord"/>
    <property name="Version" type="u" access="read"/>
  </interface>
</node>`;
const VERSION = 1;

// The program's list holds what a task bar shows.
const LISTED_TYPES = [Meta.WindowType.NORMAL, Meta.WindowType.DIALOG, Meta.WindowType.MODAL_DIALOG];
// The pointer goes back where the user left it this long after a step: at once, the notches
// could reach the client after the pointer has left its window.
const POINTER_BACK_MS = 100;
// X11 programs through Xwayland that read the wheel with XInput 2 (Qt, GTK 3) lose wheel events
// that come with the pointer's arrival, and take the first one after it as where the scroll
// valuator starts, moving nothing. So over an X11 window the pointer arrives first; a touchpad's
// scroll of a few thousandths of a notch, too small to move anybody, then sets that start, and the
// notches follow. Its direction alternates, so that programs that add such scrolls up into whole
// notches (xterm, through the X server's core events) never reach one.
const XWAYLAND_SETTLE_MS = 50;
const VALUATOR_START = 0.05;

class Bridge {
    constructor(settings) {
        this._settings = settings;
    }

    enable() {
        this._program = null;
        this._pointerBackId = this._settleId = 0;
        this._home = null;
        this._valuatorStart = VALUATOR_START;
        // One pointer for the Shell's whole session: a Wayland client binds the seat's pointer
        // when one appears, so a device plugged for each step would come too late for it.
        const backend = global.stage.context?.get_backend?.() ?? Clutter.get_default_backend();
        this._pointer = backend.get_default_seat().create_virtual_device(
            Clutter.InputDeviceType.POINTER_DEVICE);
        this._exported = Gio.DBusExportedObject.wrapJSObject(INTERFACE_XML, this);
        this._exported.export(Gio.DBus.session, OBJECT_PATH);
        this._watchId = Gio.bus_watch_name_on_connection(Gio.DBus.session, PROGRAM_NAME,
            Gio.BusNameWatcherFlags.NONE,
            (connection, name, owner) => (this._program = owner),
            () => (this._program = null));
        this._ownId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
        // A held chord repeats its key: one press, one signal.
        Main.wm.addKeybinding('toggle-chord', this._settings, Meta.KeyBindingFlags.IGNORE_AUTOREPEAT,
            Shell.ActionMode.NORMAL | Shell.ActionMode.OVERVIEW, () => this._chord());
    }

    disable() {
        Main.wm.removeKeybinding('toggle-chord');
        Gio.bus_unown_name(this._ownId);
        Gio.bus_unwatch_name(this._watchId);
        this._exported.unexport();
        for (const id of [this._pointerBackId, this._settleId]) {
            if (id)
                GLib.source_remove(id);
        }
        this._pointer.run_dispose(); // unplugs the device now rather than whenever it is collected
        this._exported = this._pointer = this._program = null;
    }

    get Version() {
        return VERSION;
    }

    // The chord goes to our program alone, not to every listener on the bus.
    _chord() {
        if (this._program)
            Gio.DBus.session.emit_signal(this._program, OBJECT_PATH, INTERFACE_NAME, 'Chord', null);
    }

    // Answers `invocation` with `answer()`'s value of `type` when our program asked, refuses it
    // otherwise.
    _answer(invocation, type, answer) {
        if (!this._program || invocation.get_sender() !== this._program) {
            invocation.return_dbus_error('org.freedesktop.DBus.Error.AccessDenied',
                `Only ${PROGRAM_NAME} may use this interface`);
            return;
        }
        try {
            invocation.return_value(new GLib.Variant(`(${type})`, [answer()]));
        } catch (e) {
            // Never leave the program waiting for an answer that will not come.
            invocation.return_dbus_error('org.freedesktop.DBus.Error.Failed', e.message);
        }
    }

    // The listed windows, front (top of the stack) first.
    _windows() {
        const windows = global.display.list_all_windows().filter(
            w => !w.skip_taskbar && LISTED_TYPES.includes(w.get_window_type()));
        return global.display.sort_windows_by_stacking(windows).reverse();
    }

    _find(id) {
        return this._windows().find(w => w.get_id() === id) ?? null;
    }

    ListWindowsAsync(params, invocation) {
        this._answer(invocation, 'a(tsibbiiii)', () => this._windows().map(w => {
            const frame = w.get_frame_rect();
            return [w.get_id(), w.get_title() ?? '', w.get_pid(), w.can_maximize(), w.minimized,
                frame.x, frame.y, frame.width, frame.height];
        }));
    }

    ActivateAsync([id], invocation) {
        this._answer(invocation, 'b', () => {
            const w = this._find(id);
            if (!w)
                return false;
            Main.activateWindow(w, global.get_current_time());
            return global.display.get_focus_window() === w;
        });
    }

    SetAboveAsync([id, above], invocation) {
        this._answer(invocation, 'b', () => {
            const w = this._find(id);
            if (!w)
                return false;
            if (above)
                w.make_above();
            else
                w.unmake_above();
            return true;
        });
    }

    ScrollAsync([id, notches], invocation) {
        this._answer(invocation, 'b', () => this._scroll(id, notches));
    }

    // A point of `w`'s frame that no window above it covers and that lies in the work area (not
    // under the top bar), the nearest to its centre first; null when there is none.
    _aimPoint(w) {
        const workspace = global.workspace_manager.get_active_workspace();
        if (w.minimized || !w.located_on_workspace(workspace))
            return null;
        const frame = w.get_frame_rect();
        const area = w.get_work_area_current_monitor();
        const windows = this._windows();
        const above = windows.slice(0, windows.indexOf(w))
            .filter(o => !o.minimized && o.located_on_workspace(workspace))
            .map(o => o.get_frame_rect());
        const inside = (r, x, y) => x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
        const points = [];
        for (let i = 1; i < 10; i++) {
            for (let j = 1; j < 10; j++) {
                points.push([frame.x + Math.floor(frame.width * i / 10),
                    frame.y + Math.floor(frame.height * j / 10)]);
            }
        }
        const cx = frame.x + frame.width / 2, cy = frame.y + frame.height / 2;
        const distance = ([x, y]) => Math.hypot(x - cx, y - cy);
        points.sort((a, b) => distance(a) - distance(b));
        return points.find(([x, y]) => inside(area, x, y) && !above.some(r => inside(r, x, y))) ??
            null;
    }

    _scroll(id, notches) {
        // The overview, a system dialog or the lock screen would take the wheel themselves; a step
        // still on its way to an X11 window keeps the pointer.
        if (notches === 0 || Main.overview.visible || Main.modalCount > 0 ||
            Main.sessionMode.isLocked || this._settleId)
            return false;
        const w = this._find(id);
        const point = w ? this._aimPoint(w) : null;
        if (!point)
            return false;
        const [x, y] = global.get_pointer();
        if (this._pointerBackId)
            GLib.source_remove(this._pointerBackId);
        else
            this._home = [x, y]; // where the user left it, before a run of steps
        this._pointerBackId = 0;
        const arrives = x !== point[0] || y !== point[1];
        if (arrives)
            this._pointer.notify_absolute_motion(GLib.get_monotonic_time(), ...point);
        const direction = notches > 0 ? Clutter.ScrollDirection.DOWN : Clutter.ScrollDirection.UP;
        const turn = () => {
            let time = GLib.get_monotonic_time(); // microseconds, as the seat's own events
            for (let i = 0; i < Math.abs(notches); i++)
                this._pointer.notify_discrete_scroll(++time, direction, Clutter.ScrollSource.WHEEL);
            this._pointerBack();
        };
        if (!arrives || w.get_client_type() !== Meta.WindowClientType.X11) {
            turn();
            return true;
        }
        // Still the window's uncovered point once the pointer is there, or no notch at all: the
        // window may have closed, or another come over it, meanwhile.
        const stillThere = () => {
            const now = this._find(id);
            const at = now ? this._aimPoint(now) : null;
            return at !== null && at[0] === point[0] && at[1] === point[1];
        };
        this._settleId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, XWAYLAND_SETTLE_MS, () => {
            this._valuatorStart = -this._valuatorStart;
            this._pointer.notify_scroll_continuous(GLib.get_monotonic_time(), 0,
                this._valuatorStart, Clutter.ScrollSource.FINGER, Clutter.ScrollFinishFlags.NONE);
            this._settleId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, XWAYLAND_SETTLE_MS, () => {
                this._settleId = 0;
                if (stillThere())
                    turn();
                else
                    this._pointerBack();
                return GLib.SOURCE_REMOVE;
            });
            return GLib.SOURCE_REMOVE;
        });
        return true;
    }

    // Puts the pointer back where the user left it, a little later.
    _pointerBack() {
        this._pointerBackId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, POINTER_BACK_MS, () => {
            this._pointerBackId = 0;
            this._pointer.notify_absolute_motion(GLib.get_monotonic_time(), ...this._home);
            return GLib.SOURCE_REMOVE;
        });
    }
}
