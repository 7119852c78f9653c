#!/usr/bin/env bash
# Starts the game on a virtual screen with the accessibility bus, dismisses the story and prints
# the main window's accessibility tree, as a screen reader would find it.
#
# Usage: scripts/a11y-check.sh [display-number] [xdotool key ...]
#   e.g. scripts/a11y-check.sh 97 Tab Tab      (keys typed into the main window before the dump)
# Needs a built game (make) and the packages of `scripts/install-deps.sh a11y`.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
game="${DUNEMARK:-$here/../build/dunemark}"
display=":${1:-97}"
shift || true

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1

DISPLAY="$display" GAME="$game" HERE="$here" dbus-run-session -- bash -c '
    set -eu
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$GAME" >/dev/null 2>&1 &
    game=$!
    sleep 2
    # The story opens in the middle of the screen; a click on it brings up the main window.
    xdotool mousemove 512 384 click 1
    sleep 1
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.3
    done
    status=0
    /usr/bin/python3 "$HERE/a11y-tree.py" || status=$?
    kill "$game" "$bus" 2>/dev/null || true
    exit "$status"
' a11y-check "$@"
