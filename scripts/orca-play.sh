#!/usr/bin/env bash
# Plays a short game under the Orca screen reader on a private, silent desktop and prints what
# Orca said at each step: the story, a journey by a town's button, an amount typed in Finances, a
# purchase, plain days, the ledger's tables, How to Play's contents, the journeys to the last day,
# the end of the game and the high-score table, with the keys pressed and the words heard each
# day ("== day 3, a plain day: 19 keys, 96 words"). Takes about eight minutes; not part of
# `make test`.
#
# Usage: scripts/orca-play.sh [PROGRAM]        (default: build/dunemark)
#   ORCA_DISPLAY=N   use display :N for the private X server (default: a free one)
#   ORCA_KEEP=1      keep the scratch folder (Orca's whole debug log is in it)
#   ORCA_MARKET=N    play market number N (File, Play Market Number), and copy its result line
#   ORCA_SHORT=1     stop after day 4 (the plain days, the ledger and How to Play)
#
# Orca runs as an unprivileged user of its own (nobody) when started as root: Orca refuses to
# start beside another Orca of the same user. Speech goes through speech-dispatcher into ALSA's
# null device, so nothing is heard; Orca's debug log is the transcript.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
game="$(realpath "${1:-$here/../build/dunemark}")"
[ -x "$game" ] || { echo "no game at $game: build it first (make)" >&2; exit 1; }
"$here/install-deps.sh" orca

work="$(mktemp -d /tmp/dunemark-orca.XXXXXX)"
cleanup() { [ -n "${ORCA_KEEP:-}" ] && echo "kept: $work" >&2 || rm -rf "$work"; }
trap cleanup EXIT
mkdir -p "$work/home/.config" "$work/run" "$work/logs"
chmod 700 "$work/run"
# speech-dispatcher as the system sets it up, but speaking into ALSA's null device: with no sound
# card its default output hangs, and Orca with it.
conf="$(dirname "$(dpkg -L speech-dispatcher | grep -m1 '/speechd.conf$')")"
cp -r "$conf" "$work/home/.config/speech-dispatcher"
sed -i 's/^# AudioOutputMethod "pulse"$/&\nAudioOutputMethod "alsa"/' \
    "$work/home/.config/speech-dispatcher/speechd.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$work/home/.asoundrc"
cp "$here/orca/linebuf.py" "$here/orca/session.sh" "$here/orca/play.py" "$work/"
chmod 755 "$work" "$work/session.sh"

run=(env)
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$work"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups env)
fi
"${run[@]}" W="$work" GAME="$game" ORCA_DISPLAY="${ORCA_DISPLAY:-}" "$work/session.sh"
