#!/usr/bin/env bash
# Starts the game on a private X server, dismisses the story with a click and saves a picture
# of the main window:
#   scripts/screenshot.sh [PROGRAM] [OUTPUT.png]
# (defaults: build/dunemark and data/screenshots/main.png). Needs Xvfb, xdotool and imagemagick
# (scripts/install-deps.sh package).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/dunemark}
output=${2:-data/screenshots/main.png}

source scripts/lib/xvfb.sh
game=""
cleanup() {
    if [ -n "$game" ]; then
        kill "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    stop_xvfb
}
trap cleanup EXIT

start_xvfb 1024x768
"$program" 2>/dev/null &
game=$!

story=$(timeout 30 xdotool search --sync --name '^Story$' | head -n 1)
xdotool mousemove --window "$story" 120 120 click 1
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Dunemark' | head -n 1)
sleep 1 # let it draw
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
echo "$output: ${WIDTH}x${HEIGHT}"
