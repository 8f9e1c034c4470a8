# A private Wine prefix kept warm for the tests. Source after xsession.sh; then wine_start DIR;
# ...; wine_stop.

# WORKAROUND: Debian's wine64 starts without Wine's preloader, so the kernel puts its heap (brk)
# anywhere in the gigabyte above the loader at 0x7d000000. About one start in a thousand the heap
# then covers 0x7ffe0000, where Wine maps Windows' shared user data, and that process dies at once
# ("failed to map the shared user data: c0000018"): a test's helper or target that never ran.
# Without address space randomisation the heap stays beside the loader. Runs the calling script
# again that way (COMMAND ARGS: its own command line), unless it already runs so.
wine_fixed_layout() {
    [ -n "${WINE_FIXED_LAYOUT:-}" ] || WINE_FIXED_LAYOUT=1 exec setarch -R "$@"
}

wine_start() {
    export WINEPREFIX="$1/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$1"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 || true
}

wine_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
}
