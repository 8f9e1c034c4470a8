// Programs that pose as one side of the program's talk with its Shell extension, for the tests
// (NAMES is the program's BusNames.env):
//   gjs impostor.js NAMES squatter FILE   takes the program's bus name first, asks the extension
//                                         for the windows, writes what it got to FILE and keeps
//                                         the name;
//   gjs impostor.js NAMES old-bridge      answers as an extension of another version would, under
//                                         the extension's bus name: its window list has another
//                                         shape.
const {Gio, GLib} = imports.gi;

const [namesFile, mode, file] = ARGV;
const loop = new GLib.MainLoop(null, false);
// NAME=value lines, as the program's build reads them.
const names = {};
for (const line of new TextDecoder().decode(GLib.file_get_contents(namesFile)[1]).split('\n')) {
    const equals = line.indexOf('=');
    if (/^[A-Z_]+=/.test(line))
        names[line.slice(0, equals)] = line.slice(equals + 1);
}

if (mode === 'squatter') {
    Gio.bus_own_name(Gio.BusType.SESSION, names.PROGRAM_BUS_NAME,
        Gio.BusNameOwnerFlags.NONE, null, connection => {
            let answer;
            try {
                connection.call_sync(names.BRIDGE_BUS_NAME, names.BRIDGE_PATH,
                    names.BRIDGE_INTERFACE, 'ListWindows', null, null, Gio.DBusCallFlags.NONE,
                    2000, null);
                answer = 'answered';
            } catch (e) {
                answer = e.message;
            }
            GLib.file_set_contents(file, `${answer}\n`);
        }, null);
} else if (mode === 'old-bridge') {
    const xml = `<node><interface name="${names.BRIDGE_INTERFACE}">
      <method name="ListWindows"><arg type="a(ts)" direction="out"/></method>
      <property name="Version" type="u" access="read"/></interface></node>`;
    const bridge = Gio.DBusExportedObject.wrapJSObject(xml, {
        Version: 1,
        ListWindows: () => [[1, 'A window']],
    });
    bridge.export(Gio.DBus.session, names.BRIDGE_PATH);
    Gio.bus_own_name(Gio.BusType.SESSION, names.BRIDGE_BUS_NAME,
        Gio.BusNameOwnerFlags.NONE, null, null, null);
}
loop.run();
