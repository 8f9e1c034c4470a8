// The Shell's side of the page advancer on GNOME. GNOME gives applications no way to list, raise or
// scroll other applications' windows; the Shell itself can. This bridge does it for one caller
// only: our program, the owner of PROGRAM_NAME on the session bus whose executable is the installed
// program or the copy that installed this extension. Window titles and injected input are not for
// every application, so every other caller is refused; and Ctrl+Shift+T is taken from the other
// applications only while our program runs.
//
// This file is the body shared by both builds; legacy.js (GNOME 43-44) and module.js (45 and later)
// put their imports before it and their entry point after it.

// The names come from BusNames.env, which the program's C++ reads too.
const PROGRAM_NAME = '@PROGRAM_BUS_NAME@';
const BUS_NAME = '@BRIDGE_BUS_NAME@';
const OBJECT_PATH = '@BRIDGE_PATH@';
const INTERFACE_NAME = '@BRIDGE_INTERFACE@';
const INTERFACE_XML = `<node>
  <interface name="${INTERFACE_NAME}">
    <!-- Front to back: id, title, process id, can maximise, minimised -->
    <method name="ListWindows"><arg type="a(tsibb)" direction="out" name="windows"/></method>
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
const VERSION = Number('@BRIDGE_VERSION@');
// The program as the package installs it; a copy elsewhere that installed this extension into the
// user's folder wrote its own path into the file INSTALLED_BY there.
const INSTALLED_PROGRAM = '@INSTALLED_PROGRAM@';
const INSTALLED_BY = 'installed-by';

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
// notches (xterm, through the X server's core events) never reach one. A client reads where the
// valuator starts when it handles the pointer's arrival: a notch that reaches the X server before
// a busy client has done so is lost to it (with both cores busy, 50 ms lost a step in about 50).
const XWAYLAND_SETTLE_MS = 100;
const VALUATOR_START = 0.05;

// Calls a method of the bus itself about `name`; its one answer, or null when there is none.
function askBus(method, name) {
    return new Promise(resolve => Gio.DBus.session.call('org.freedesktop.DBus',
        '/org/freedesktop/DBus', 'org.freedesktop.DBus', method, new GLib.Variant('(s)', [name]),
        null, Gio.DBusCallFlags.NONE, 1000, null, (bus, result) => {
            try {
                resolve(bus.call_finish(result).deepUnpack()[0]);
            } catch {
                resolve(null);
            }
        }));
}

// Resolves true once the stage has painted a frame with `actor` drawn anew: what was raised or
// moved is then where the pointer's events go. False when no frame comes within FRAME_WITHIN_MS
// (the screen is off, or the Shell is too busy to paint): the pick then decides on the stacking
// the pointer's events meet as well, which can only show the raised window less, never more.
const FRAME_WITHIN_MS = 500;
function nextFrame(actor) {
    return new Promise(resolve => {
        let timeoutId = 0;
        const paintId = global.stage.connect('after-paint', () => {
            global.stage.disconnect(paintId);
            GLib.source_remove(timeoutId);
            resolve(true);
        });
        timeoutId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, FRAME_WITHIN_MS, () => {
            global.stage.disconnect(paintId);
            resolve(false);
            return GLib.SOURCE_REMOVE;
        });
        actor.queue_redraw();
    });
}

function after(ms) {
    return new Promise(resolve => GLib.timeout_add(GLib.PRIORITY_DEFAULT, ms, () => {
        resolve();
        return GLib.SOURCE_REMOVE;
    }));
}

class Bridge {
    constructor(settings, folder) {
        this._settings = settings;
        this._folder = folder;
    }

    enable() {
        this._program = null;
        this._verdicts = new Map(); // a caller's unique bus name: is it our program?
        this._pointerBackId = 0;
        this._home = null;
        this._busy = false;
        this._valuatorStart = VALUATOR_START;
        // One pointer for the Shell's whole session: a Wayland client binds the seat's pointer
        // when one appears, so a device plugged for each step would come too late for it.
        const backend = global.stage.context?.get_backend?.() ?? Clutter.get_default_backend();
        this._pointer = backend.get_default_seat().create_virtual_device(
            Clutter.InputDeviceType.POINTER_DEVICE);
        this._exported = Gio.DBusExportedObject.wrapJSObject(INTERFACE_XML, this);
        this._exported.export(Gio.DBus.session, OBJECT_PATH);
        this._watchId = Gio.bus_watch_name_on_connection(Gio.DBus.session, PROGRAM_NAME,
            Gio.BusNameWatcherFlags.NONE, (connection, name, owner) => this._programCame(owner),
            () => this._programWent());
        this._ownId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.NONE, null, null);
    }

    disable() {
        this._programWent();
        Gio.bus_unown_name(this._ownId);
        Gio.bus_unwatch_name(this._watchId);
        this._exported.unexport();
        if (this._pointerBackId)
            GLib.source_remove(this._pointerBackId);
        this._pointer.run_dispose(); // unplugs the device now rather than whenever it is collected
        this._exported = this._pointer = null;
    }

    get Version() {
        return VERSION;
    }

    // The chord is bound while our program runs, and goes to it alone.
    async _programCame(owner) {
        if (!await this._isOurs(owner) || this._program)
            return;
        this._program = owner;
        // A held chord repeats its key: one press, one signal.
        Main.wm.addKeybinding('toggle-chord', this._settings, Meta.KeyBindingFlags.IGNORE_AUTOREPEAT,
            Shell.ActionMode.NORMAL | Shell.ActionMode.OVERVIEW, () => Gio.DBus.session.emit_signal(
                this._program, OBJECT_PATH, INTERFACE_NAME, 'Chord', null));
    }

    _programWent() {
        this._verdicts.clear();
        if (!this._program)
            return;
        this._program = null;
        Main.wm.removeKeybinding('toggle-chord');
    }

    // The programs this extension answers: the installed one, and the copy that installed it.
    _allowedPrograms() {
        const programs = [INSTALLED_PROGRAM];
        try {
            const [, bytes] = GLib.file_get_contents(`${this._folder}/${INSTALLED_BY}`);
            programs.push(new TextDecoder().decode(bytes).trim());
        } catch {
            // installed by the package: the installed program alone
        }
        return programs;
    }

    // Whether the sender `unique` owns the program's name and runs one of the allowed programs
    // (the process the bus names for it, by its executable).
    _isOurs(unique) {
        if (!this._verdicts.has(unique)) {
            this._verdicts.set(unique, (async () => {
                const pid = await askBus('GetConnectionUnixProcessID', unique);
                if (pid === null)
                    return false;
                let program;
                try {
                    program = GLib.file_read_link(`/proc/${pid}/exe`).replace(/ \(deleted\)$/, '');
                } catch {
                    return false;
                }
                return this._allowedPrograms().includes(program);
            })());
        }
        return this._verdicts.get(unique);
    }

    // Answers `invocation` with the value of `type` that `answer()` gives (or promises) when our
    // program asked; refuses everybody else.
    async _answer(invocation, type, answer) {
        const sender = invocation.get_sender();
        // A caller the watcher has not seen yet is asked of the bus itself: its first call can
        // come before the watcher hears that it took the name.
        const owner = sender === this._program ? sender : await askBus('GetNameOwner', PROGRAM_NAME);
        if (owner !== sender || !await this._isOurs(sender)) {
            invocation.return_dbus_error('org.freedesktop.DBus.Error.AccessDenied',
                `This extension answers ${PROGRAM_NAME} as ${this._allowedPrograms().join(' or ')}` +
                ' only');
            return;
        }
        try {
            invocation.return_value(new GLib.Variant(`(${type})`, [await answer()]));
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
        this._answer(invocation, 'a(tsibb)', () => this._windows().map(
            w => [w.get_id(), w.get_title() ?? '', w.get_pid(), w.can_maximize(), w.minimized]));
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

    // Whether the pointer's events at x, y go to `w`: the reactive actor there is one of its own.
    // Anything above it takes them: another window, an X11 menu or tooltip, the Shell's banners
    // and panels.
    _shows(w, x, y) {
        for (let a = global.stage.get_actor_at_pos(Clutter.PickMode.REACTIVE, x, y); a;
            a = a.get_parent()) {
            if (a instanceof Meta.WindowActor)
                return a.get_meta_window() === w;
        }
        return false;
    }

    // The point of `w`'s frame nearest its centre, on a grid of tenths, where its own content takes
    // the pointer's events; null when there is none.
    _aimPoint(w) {
        const frame = w.get_frame_rect();
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
        return points.find(([x, y]) => this._shows(w, x, y)) ?? null;
    }

    // The window `id` is still there and still takes the pointer's events at `point`.
    _stillShows(id, point) {
        const w = this._find(id);
        return w !== null && this._shows(w, ...point);
    }

    // Turns the wheel over window `id` once what was raised has reached the screen, at a point
    // where the window itself takes the events at that moment; false when nothing was sent.
    async _scroll(id, notches) {
        if (notches === 0 || this._busy)
            return false;
        this._busy = true; // one step at a time: a step to an X11 window keeps the pointer a while
        try {
            // The overview, a system dialog or the lock screen would take the wheel themselves.
            const raised = this._find(id);
            if (raised && !raised.minimized)
                await nextFrame(raised.get_compositor_private());
            const w = this._find(id);
            if (!w || w.minimized || Main.overview.visible || Main.modalCount > 0 ||
                Main.sessionMode.isLocked)
                return false;
            const point = this._aimPoint(w);
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
            if (arrives && w.get_client_type() === Meta.WindowClientType.X11) {
                await this._settle(w);
                this._valuatorStart = -this._valuatorStart;
                this._pointer.notify_scroll_continuous(GLib.get_monotonic_time(), 0,
                    this._valuatorStart, Clutter.ScrollSource.FINGER, Clutter.ScrollFinishFlags.NONE);
                await this._settle(w);
            }
            // Whatever came over the point meanwhile keeps the step.
            const sent = this._stillShows(id, point);
            if (sent) {
                const direction = notches > 0 ? Clutter.ScrollDirection.DOWN
                    : Clutter.ScrollDirection.UP;
                let time = GLib.get_monotonic_time(); // microseconds, as the seat's own events
                for (let i = 0; i < Math.abs(notches); i++)
                    this._pointer.notify_discrete_scroll(++time, direction, Clutter.ScrollSource.WHEEL);
            }
            this._pointerBack();
            return sent;
        } finally {
            this._busy = false;
        }
    }

    // Gives an X11 window what came from the pointer before the next: the Shell handles input as
    // it draws, so it has passed the pointer's events on to Xwayland once a frame is drawn, however
    // busy it is; the client then has XWAYLAND_SETTLE_MS to read them.
    async _settle(w) {
        await nextFrame(w.get_compositor_private());
        await after(XWAYLAND_SETTLE_MS);
    }

    // Puts the pointer back where the user left it, a little later.
    _pointerBack() {
        this._pointerBackId = GLib.timeout_add(GLib.PRIORITY_DEFAULT, POINTER_BACK_MS, () => {
            this._pointerBackId = 0;
            this._pointer?.notify_absolute_motion(GLib.get_monotonic_time(), ...this._home);
            return GLib.SOURCE_REMOVE;
        });
    }
}
