#!/usr/bin/env bash
# Installs what building, running and testing the game needs on Debian 12, and nothing when it
# is all there already. Uses sudo when not run as root. `install-deps.sh fuzz` adds clang and its
# fuzzing and sanitizer runtimes.
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    libgtest-dev libgmock-dev
    fonts-liberation fonts-liberation2
)
case "${1:-}" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    "") ;;
    *) echo "install-deps.sh: unknown task '$1'" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
