// What the end-to-end tests do to a headless GNOME Shell from outside, as a user's hands and eyes
// would: list every window (ours too), place, close and minimise windows, click, type keys, take
// pictures. Installed only into the tests' sessions; legacy.js and module.js wrap it as they wrap
// the program's bridge.

// Put in by gnomesession.sh, which calls it by these names.
const BUS_NAME = '@STAND_IN_BUS_NAME@';
const OBJECT_PATH = '@STAND_IN_PATH@';
const INTERFACE_XML = `<node><interface name="${BUS_NAME}">
  <method name="Windows"><arg type="s" direction="out"/></method>
  <method name="Place"><arg type="t" direction="in"/><arg type="i" direction="in"/>
    <arg type="i" direction="in"/><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
  <method name="Close"><arg type="t" direction="in"/></method>
  <method name="Minimise"><arg type="t" direction="in"/></method>
  <method name="Activate"><arg type="t" direction="in"/></method>
  <method name="Click"><arg type="i" direction="in"/><arg type="i" direction="in"/></method>
  <method name="Keys"><arg type="s" direction="in"/></method>
  <method name="Picture"><arg type="i" direction="in"/><arg type="i" direction="in"/>
    <arg type="i" direction="in"/><arg type="i" direction="in"/><arg type="s" direction="in"/>
    <arg type="b" direction="out"/></method>
  <method name="LeaveOverview"/>
  <method name="Notifications"><arg type="s" direction="out"/></method>
</interface></node>`;

class Bridge {
    enable() {
        const backend = global.stage.context?.get_backend?.() ?? Clutter.get_default_backend();
        const seat = backend.get_default_seat();
        this._pointer = seat.create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
        this._keyboard = seat.create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);
        this._exported = Gio.DBusExportedObject.wrapJSObject(INTERFACE_XML, this);
        this._exported.export(Gio.DBus.session, OBJECT_PATH);
        // Ready once the Shell's start (and the overview it opens then) is over: with Xwayland
        // the start ends only after X11 is up.
        const ready = () => {
            Main.overview.hide();
            this._ownId = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
                Gio.BusNameOwnerFlags.NONE, null, null);
        };
        if (Main.layoutManager._startingUp)
            this._startId = Main.layoutManager.connect('startup-complete', ready);
        else
            ready();
    }

    disable() {
        if (this._startId)
            Main.layoutManager.disconnect(this._startId);
        if (this._ownId)
            Gio.bus_unown_name(this._ownId);
        this._exported.unexport();
        this._pointer.run_dispose();
        this._keyboard.run_dispose();
    }

    _window(id) {
        return global.display.list_all_windows().find(w => w.get_id() === id);
    }

    // One line a window, front first: id, pid, minimised, focused, x,y,w,h, type, title.
    Windows() {
        const focus = global.display.get_focus_window();
        const all = global.display.sort_windows_by_stacking(global.display.list_all_windows());
        return all.reverse().map(w => {
            const r = w.get_frame_rect();
            return [w.get_id(), w.get_pid(), w.minimized, w === focus,
                `${r.x},${r.y},${r.width},${r.height}`, w.get_window_type(),
                w.get_title() ?? ''].join('\t');
        }).join('\n');
    }

    // The session never maximises a window by itself (auto-maximize off): placed as asked.
    Place(id, x, y, width, height) {
        this._window(id)?.move_resize_frame(true, x, y, width, height);
    }

    Close(id) {
        this._window(id)?.delete(global.get_current_time());
    }

    Minimise(id) {
        this._window(id)?.minimize();
    }

    Activate(id) {
        const w = this._window(id);
        if (w)
            Main.activateWindow(w, global.get_current_time());
    }

    // One line a notification the Shell holds: urgency (1 normal), title, body.
    Notifications() {
        return Main.messageTray.getSources().flatMap(source => source.notifications.map(
            n => [n.urgency, n.title, n.bannerBodyText ?? n.body ?? ''].join('\t')
                .replace(/\s*\n/g, ' '))).join('\n');
    }

    LeaveOverview() {
        Main.overview.hide();
    }

    Click(x, y) {
        let t = GLib.get_monotonic_time();
        this._pointer.notify_absolute_motion(t, x, y);
        this._pointer.notify_button(++t, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
        this._pointer.notify_button(++t, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED);
    }

    // Space-separated chords as xdotool writes them: "ctrl+shift+t Page_Down a".
    Keys(text) {
        const names = {ctrl: 'Control_L', shift: 'Shift_L', alt: 'Alt_L', super: 'Super_L'};
        let t = GLib.get_monotonic_time();
        for (const chord of text.split(' ').filter(c => c)) {
            const keys = chord.split('+').map(k => Clutter[`KEY_${names[k] ?? k}`]);
            for (const k of keys)
                this._keyboard.notify_keyval(++t, k, Clutter.KeyState.PRESSED);
            for (const k of keys.reverse())
                this._keyboard.notify_keyval(++t, k, Clutter.KeyState.RELEASED);
        }
    }

    PictureAsync([x, y, width, height, file], invocation) {
        const stream = Gio.File.new_for_path(file).replace(null, false, Gio.FileCreateFlags.NONE, null);
        new Shell.Screenshot().screenshot_area(x, y, width, height, stream, (shooter, result) => {
            let done = false;
            try {
                shooter.screenshot_area_finish(result);
                done = true;
            } catch (e) {
                logError(e, 'picture');
            }
            stream.close(null);
            invocation.return_value(new GLib.Variant('(b)', [done]));
        });
    }
}
