# Shell helpers that map COM ports of a Wine prefix to simulated phones on
# pseudo-terminals. Source after tests/lib/wine.sh (WINEPREFIX, WINE,
# WINESERVER), then:
#   ports_begin TOOLS WORK   tools dir (simphone, modemshim.so), work dir
#   ports_phone N [simphone options]   a phone on COMN, logging to WORK/logs/phoneN.log
#                            (not comN.log: Windows opens that as the port)
#   ports_wine PROGRAM ARGS  runs a Windows program in WORK/cwd with the shim
#                            (for two minutes at most)
#                            (CTS off for the ports in MODEMSHIM_CTS_OFF)
#   ports_clear              ends the phones, removes their links
#   ports_end                also ends the session and puts back the links found
# Ports not given a phone are absent. From COM10 up Windows, and Wine, open a
# port only as "\\.\COMn": the bare "COM12" names a file in the current
# directory, which stays empty, so a program that uses that name fails as it
# would on Windows.

_ports_sims=()
_ports_saved=()
_ports_session=0
_ports_numbers="1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"

ports_begin() {
    PORTS_TOOLS=$1
    PORTS_WORK=$2
    PORTS_DOSDEVICES="$WINEPREFIX/dosdevices"
    rm -rf "$PORTS_WORK"
    mkdir -p "$PORTS_WORK/logs" "$PORTS_WORK/cwd"
    # Wine's mount manager rewrites the COM links when a session starts, so
    # start one that outlasts the gaps between programs (and ends by itself
    # soon after an interrupted run), then lay the links. The server opens
    # the files of all programs: the shim makes terminals exclusive there.
    # A session still running is ended first (not waited for: it would stay
    # for its persistence time).
    "$WINESERVER" -k >/dev/null 2>&1
    timeout 120 "$WINESERVER" -w 2>/dev/null
    if MODEMSHIM_EXCLUSIVE=1 LD_PRELOAD="$PORTS_TOOLS/modemshim.so" "$WINESERVER" -p30 >/dev/null 2>&1; then
        _ports_session=1
    fi
    "$WINE" cmd /c exit >/dev/null 2>&1
    local n link
    for n in $_ports_numbers; do
        link="$PORTS_DOSDEVICES/com$n"
        if [ -L "$link" ]; then
            _ports_saved+=("com$n $(readlink "$link")")
            rm -f "$link"
        fi
    done
}

ports_phone() {
    local n=$1
    shift
    local link="$PORTS_DOSDEVICES/com$n"
    : >"$PORTS_WORK/logs/phone$n.log"
    "$PORTS_TOOLS/simphone" --link "$link" --log "$PORTS_WORK/logs/phone$n.log" "$@" &
    _ports_sims+=($!)
    local i
    for i in $(seq 100); do
        [ -L "$link" ] && break
        sleep 0.05
    done
    if [ ! -L "$link" ]; then
        echo "ports: no phone on COM$n" >&2
        return 1
    fi
}

ports_wine() {
    (cd "$PORTS_WORK/cwd" && LD_PRELOAD="$PORTS_TOOLS/modemshim.so${LD_PRELOAD:+:$LD_PRELOAD}" timeout 120 "$WINE" "$@")
}

ports_clear() {
    local pid n
    for pid in "${_ports_sims[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${_ports_sims[@]}"; do wait "$pid" 2>/dev/null; done
    _ports_sims=()
    for n in $_ports_numbers; do
        rm -f "$PORTS_DOSDEVICES/com$n"
    done
}

ports_end() {
    ports_clear
    if [ "$_ports_session" = 1 ]; then
        "$WINESERVER" -k >/dev/null 2>&1
        timeout 60 "$WINESERVER" -w 2>/dev/null
        _ports_session=0
    fi
    local entry
    for entry in "${_ports_saved[@]}"; do
        ln -sfn "${entry#* }" "$PORTS_DOSDEVICES/${entry%% *}"
    done
    _ports_saved=()
}
