#!/usr/bin/env bash
# Installs what building, running and testing the game needs on Debian 12, and nothing when it
# is all there already. Uses sudo when not run as root.
#   scripts/install-deps.sh        what the game and its tests need
#   scripts/install-deps.sh a11y   what scripts/a11y-check.sh needs besides: the accessibility
#                                  bus, its Python binding, a virtual screen and a key typist
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    libgtest-dev libgmock-dev
    fonts-liberation fonts-liberation2
)
if [ "${1:-}" = "a11y" ]; then
    packages=(at-spi2-core python3-gi gir1.2-atspi-2.0 dbus-x11 xvfb xdotool)
fi

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
