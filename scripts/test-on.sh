#!/usr/bin/env bash
# Runs the game's whole test suite on a clean Debian system made in a folder, as a new player's
# machine would be: a minimal system (mmdebstrap's minbase) from Debian's archive with nothing but
# `make` added, a clean clone of this checkout's HEAD copied in, then `make test` there. Then
# `make package`, the package installed with apt and started on a private X server.
#   scripts/test-on.sh CODENAME        bookworm (Debian 12), trixie (Debian 13), forky (testing)
#   TEST_ON_SHOTS=FOLDER   then also pictures every window of the installed game there, under
#                          Wayland light and dark and under X11 dark (scripts/desktop-shots.sh)
# Needs root (chroot and mounts); installs mmdebstrap when it is missing.
#
# The minimal system is kept in DUNEMARK_TEST_ON_CACHE (/var/cache/dunemark-test-on/CODENAME/base)
# and made again when missing; each run works on a copy of it, so nothing of one run is left for
# the next. The packages apt fetched are kept beside it (debs/), only to spare the downloads.
# The mirror is the one this machine's apt uses (DEBIAN_MIRROR overrides it). The system has its
# own device nodes; only /proc and a /dev/shm of its own are mounted in the copy, and every exit
# ends whatever still runs there, unmounts them and removes the copy.
set -euo pipefail

codename=${1:-}
case "$codename" in
bookworm | trixie | forky) ;;
*)
    echo "usage: $0 bookworm|trixie|forky" >&2
    exit 2
    ;;
esac
if [ "$(id -u)" -ne 0 ]; then
    echo "$0 needs root (it makes a system in a folder and runs it with chroot)" >&2
    exit 2
fi

source_dir=$(cd "$(dirname "$0")/.." && pwd)
cache=${DUNEMARK_TEST_ON_CACHE:-/var/cache/dunemark-test-on}/$codename
base=$cache/base
debs=$cache/debs

# The Debian mirror of this machine's own apt sources (one-line or deb822), else Debian's own.
host_mirror() {
    grep -rhsoE '(^deb|^URIs:)[^#]*https?://[^ ]+/debian/?( |$)' /etc/apt/sources.list \
        /etc/apt/sources.list.d/ | grep -oE 'https?://[^ ]+' | head -n 1
}
mirror=${DEBIAN_MIRROR:-$(host_mirror || true)}
mirror=${mirror:-http://deb.debian.org/debian}

"$source_dir/scripts/install-deps.sh" chroot

work=""
root=""
making_base=""
# Ends every process whose root is the copy, unmounts what was mounted under the work folder,
# deepest first, and only then removes the folder (never across into another file system).
cleanup() {
    local status=$? pid target left
    if [ -n "$root" ]; then
        for pid in /proc/[0-9]*; do
            [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
        done
    fi
    if [ -n "$work" ]; then
        for target in $(findmnt -rn -o TARGET | grep -F "$work/" | sort -r); do
            umount "$target" 2>/dev/null || umount -l "$target"
        done
        left=$(findmnt -rn -o TARGET | grep -cF "$work/" || true)
        if [ "$left" -eq 0 ]; then
            rm -rf --one-file-system "$work"
        else
            echo "$work: $left mounts left; not removed" >&2
        fi
    fi
    [ -z "$making_base" ] || rm -rf --one-file-system "$base.new"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$SECONDS
mkdir -p "$cache"
# Runs at once for the same release wait while one of them makes the minimal system.
exec 9>"$cache/lock"
flock 9
if [ ! -e "$base/.complete" ]; then
    echo "== Making a minimal $codename from $mirror into $base"
    making_base=1
    rm -rf --one-file-system "$base" "$base.new"
    # A testing snapshot's Release file can be past its Valid-Until date: apt is told to accept it.
    mmdebstrap --variant=minbase --include=make --quiet \
        --aptopt='Acquire::Check-Valid-Until "false"' "$codename" "$base.new" "$mirror"
    touch "$base.new/.complete"
    mv "$base.new" "$base"
    making_base=""
fi
flock -u 9

work=$(mktemp -d /var/tmp/dunemark-test-on.XXXXXX)
root=$work/root
cp -a "$base" "$root"
rm -f "$root/.complete" "$root/etc/resolv.conf"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# No /dev/pts is mounted: dpkg's log of the terminal is not asked for.
echo 'Dpkg::Use-Pty "0";' >"$root/etc/apt/apt.conf.d/90dunemark-test-on"
mkdir -p "$debs"
find "$debs" -name '*.deb' -exec cp -t "$root/var/cache/apt/archives/" {} +

head=$(git -C "$source_dir" rev-parse HEAD)
git clone -q --no-hardlinks "$source_dir" "$root/root/dunemark"
git -C "$root/root/dunemark" checkout -q --detach "$head"

mount -t proc proc "$root/proc"
mount -t tmpfs -o nosuid,nodev,size=256m shm "$root/dev/shm"

echo "== $codename: make test, make package, the package installed and started ($head)"
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive SHOTS="${TEST_ON_SHOTS:+1}" /bin/bash -euo pipefail -c '
        cd /root/dunemark
        cat /etc/debian_version
        make test 2>&1 | tee /root/test.log
        make package
        apt-get install -y -qq ./build/dunemark_*.deb
        scripts/screenshot.sh /usr/games/dunemark /root/installed.png
        dpkg-query -W -f="\${Package} \${Version}: \${Depends}\n" dunemark
        if [ -n "$SHOTS" ]; then
            for desktop in wayland-light wayland-dark x11-dark; do
                SHOTS_ON=${desktop%-*} SHOTS_LOOK=${desktop#*-} scripts/desktop-shots.sh \
                    /usr/games/dunemark "/root/shots/$desktop"
            done
        fi
    ' || status=$?
if [ -n "${TEST_ON_SHOTS:-}" ]; then
    mkdir -p "$TEST_ON_SHOTS"
    cp -r "$root/root/shots/." "$root/root/installed.png" "$TEST_ON_SHOTS/" 2>/dev/null || true
fi

find "$root/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -exec cp -n -t "$debs/" {} +
summary=$(grep -E 'tests passed|tests failed' "$root/root/test.log" 2>/dev/null | tail -n 1 || true)
minutes=$(((SECONDS - started) / 60))
seconds=$(((SECONDS - started) % 60))
if [ "$status" -eq 0 ]; then
    echo "== $codename passed in ${minutes}m${seconds}s: $summary"
else
    echo "== $codename FAILED (exit $status) after ${minutes}m${seconds}s: ${summary:-no test summary}"
fi
exit "$status"
