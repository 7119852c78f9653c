#!/usr/bin/env bash
# The private desktop of scripts/orca-play.sh: an X server, a session bus, the accessibility bus,
# a window manager, Orca, the game and the player (play.py). Runs as the user Orca runs as.
set -uo pipefail
export HOME=$W/home XDG_RUNTIME_DIR=$W/run XDG_CONFIG_HOME=$W/home/.config \
    XDG_DATA_HOME=$W/home/.local/share XDG_CACHE_HOME=$W/home/.cache
L=$W/logs
if [ -n "$ORCA_DISPLAY" ]; then
    Xvfb ":$ORCA_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$L/xvfb.log" 2>&1 &
    xvfb=$!
    echo "$ORCA_DISPLAY" >"$L/display"
    sleep 1
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$L/display" >"$L/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do [ -s "$L/display" ] && break; sleep 0.2; done
fi
export DISPLAY=":$(head -1 "$L/display")"
trap 'kill "$xvfb" 2>/dev/null' EXIT

dbus-run-session -- bash -c '
    L=$W/logs
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$L/atspi.log" 2>&1 &
    sleep 1
    openbox >"$L/openbox.log" 2>&1 &
    sleep 1
    python3 "$W/linebuf.py" --debug-file="$L/orca.log" -u "$W/home/orca-prefs" >"$L/orca.out" 2>&1 &
    orca=$!
    sleep 6
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$GAME" >"$L/game.out" 2>&1 &
    game=$!
    python3 "$W/play.py" "$L/orca.log"
    status=$?
    kill "$game" 2>/dev/null
    kill "$orca" 2>/dev/null
    # Orca started speech-dispatcher; it keeps its process number here.
    pid=$(cat "$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null)
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    exit $status
'
