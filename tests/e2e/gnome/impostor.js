// Programs that pose as one side of the program's talk with its Shell extension, for the tests:
//   gjs impostor.js squatter FILE   takes the program's bus name first, asks the extension for the
//                                   windows, writes what it got to FILE and keeps the name;
//   gjs impostor.js old-bridge      answers as an extension of another version would, under the
//                                   extension's bus name: its window list has another shape.
const {Gio, GLib} = imports.gi;

const [mode, file] = ARGV;
const loop = new GLib.MainLoop(null, false);

if (mode === 'squatter') {
    Gio.bus_own_name(Gio.BusType.SESSION, 'com.tervalinx.QuietPageAdvancer',
        Gio.BusNameOwnerFlags.NONE, null, connection => {
            let answer;
            try {
                connection.call_sync('com.tervalinx.QuietPageAdvancer.Shell',
                    '/com/tervalinx/QuietPageAdvancer/Shell', 'com.tervalinx.QuietPageAdvancer.Shell1',
                    'ListWindows', null, null, Gio.DBusCallFlags.NONE, 2000, null);
                answer = 'answered';
            } catch (e) {
                answer = e.message;
            }
            GLib.file_set_contents(file, `${answer}\n`);
        }, null);
} else if (mode === 'old-bridge') {
    const xml = `<node><interface name="com.tervalinx.QuietPageAdvancer.Shell1">
      <method name="ListWindows"><arg type="a(ts)" direction="out"/></method>
      <property name="Version" type="u" access="read"/></interface></node>`;
    const bridge = Gio.DBusExportedObject.wrapJSObject(xml, {
        Version: 1,
        ListWindows: () => [[1, 'A window']],
    });
    bridge.export(Gio.DBus.session, '/com/tervalinx/QuietPageAdvancer/Shell');
    Gio.bus_own_name(Gio.BusType.SESSION, 'com.tervalinx.QuietPageAdvancer.Shell',
        Gio.BusNameOwnerFlags.NONE, null, null, null);
}
loop.run();
