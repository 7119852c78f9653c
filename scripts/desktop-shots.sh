#!/usr/bin/env bash
# Shows every window of the game on a private desktop, light or dark, under Wayland or X11, and
# takes a picture of each, so that they can be looked at: the story, the main window, Special
# products, Buy, Finances, the ledger (last prices seen, then the prices day by day), How to Play,
# About, the high-score table and the New Game question, each over the main window. For each it
# also prints where the desktop put the window against the game's. Not part of `make test`.
#
# Usage: scripts/desktop-shots.sh [PROGRAM] [FOLDER]   (defaults: build/dunemark, a new folder)
#   SHOTS_ON=wayland|x11   the desktop (default wayland): sway without a screen, or Xvfb + openbox
#   SHOTS_LOOK=light|dark  the colours (default light); dark is Qt's GTK platform theme with the
#                          dark Adwaita theme, which gives a dark palette from Qt 6.5 on
#   SHOTS_SCALE=N          the desktop's scale (default 1; Wayland only, e.g. 1.5)
#   SHOTS_MARKET=N         the market played (default 30), so that two runs show the same figures
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
game="$(realpath "${1:-$here/../build/dunemark}")"
out="${2:-$(mktemp -d /tmp/dunemark-shots.XXXXXX)}"
on=${SHOTS_ON:-wayland}
look=${SHOTS_LOOK:-light}
[ -x "$game" ] || { echo "no game at $game: build it first (make)" >&2; exit 1; }
"$here/install-deps.sh" desktops
mkdir -p "$out"

work="$(mktemp -d /tmp/dunemark-desktop.XXXXXX)"
chmod 700 "$work"
game_pid=""
desktop_pids=()
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    for pid in "${desktop_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    [ -n "${SHOTS_KEEP:-}" ] && echo "kept: $work" >&2 || rm -rf "$work"
}
trap cleanup EXIT

# A private home, so that neither the player's scores nor settings are touched.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY
# sway will not run as root: as root, the desktop and the game run as the user nobody.
run=(env)
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$work"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups env)
fi
if [ "$look" = dark ]; then
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
fi

if [ "$on" = wayland ]; then
    printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x800 scale %s\n' \
        "${SHOTS_SCALE:-1}" >"$work/sway.conf"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${run[@]}" sway -c "$work/sway.conf" 2>"$work/sway.log" &
    desktop_pids+=($!)
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/wayland-1" ] && break
        sleep 0.1
    done
    export WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
    export SWAYSOCK
    # A keyboard that stays: with none, each wtype's own keyboard comes and goes with it, and a
    # window that saw the seat lose its keyboard may not take keys from the next one.
    "${run[@]}" wtype -s 3600000 &
    desktop_pids+=($!)
    type_text=wtype
    key() { "${run[@]}" wtype -k "$1" && sleep 0.4; }
    chord() { "${run[@]}" wtype -M "$1" -k "$2" -m "$1" && sleep 0.4; }
    picture() { "${run[@]}" grim "$1"; }
    # Each window's title and place, as the compositor has it.
    places() {
        "${run[@]}" swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid"):
        r = node["rect"]
        print("  %-28s %4d,%-4d %dx%d" % (node.get("name"), r["x"], r["y"], r["width"], r["height"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
    }
else
    source "$here/lib/xvfb.sh"
    start_xvfb 1280x800
    desktop_pids+=("$XVFB_PID")
    openbox >/dev/null 2>&1 &
    desktop_pids+=($!)
    type_text="xdotool type"
    key() { xdotool key "$1" && sleep 0.4; }
    chord() { xdotool key "$1+$2" && sleep 0.4; }
    picture() { "${run[@]}" import -window root "$1"; }
    places() {
        for window in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$window")"
            printf '  %-28s %4d,%-4d %dx%d\n' "$(xdotool getwindowname "$window")" "$X" "$Y" \
                "$WIDTH" "$HEIGHT"
        done
    }
fi

"${run[@]}" "$game" 2>"$out/game.err" &
game_pid=$!
shot() {
    sleep 1.5 # drawn, and the desktop settled
    # Taken into the desktop's own folder, which its user may write, then copied out.
    picture "$work/shot.png"
    cp "$work/shot.png" "$out/$1.png"
    echo "$1.png"
    places
}

shot story
key space
chord ctrl m
"${run[@]}" ${type_text} "${SHOTS_MARKET:-30}"
key Return
key Return # yes, a new game
shot main
# From the first town back to the market's grid, then to the buttons above it.
for _ in 1 2; do key BackTab; done
chord ctrl Home
for _ in 1 2 3; do key Down; done # Water, which the cash buys
shot grid
chord alt b
shot buy
key Escape
key BackTab # Finances
key space
shot finances
key Escape
for _ in 1 2 3; do key BackTab; done # Special products
key space
shot special
key Escape
chord ctrl l
shot ledger
chord alt p
shot ledger-prices
key Escape
key F1
shot how-to-play
key Escape
chord alt h
key a
shot about
key Escape
chord alt v
key h
shot high-scores
key Escape
chord alt f
key n
shot new-game
key n
if grep -v -e '^$' "$out/game.err"; then
    echo "(the game's warnings above, in $out/game.err)"
fi
echo "pictures in $out"
