// GNOME Shell 43 and 44 load an extension as a legacy script with imports.* and init().
'use strict';

const {Clutter, Gio, GLib, Meta, Shell} = imports.gi;
const Main = imports.ui.main;
const ExtensionUtils = imports.misc.extensionUtils;

// @BRIDGE@

/* exported init */
function init() {
    return new Bridge(ExtensionUtils.getSettings(), ExtensionUtils.getCurrentExtension().path);
}
