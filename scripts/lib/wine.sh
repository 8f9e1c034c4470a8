# A private Wine prefix kept warm for the tests. Source after xsession.sh; then wine_start DIR;
# ...; wine_stop.

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
