#!/usr/bin/env bash
# Installs what building and running the game needs on Debian 12, Debian 13 or Debian testing,
# and nothing when it is all there already. Uses sudo when not run as root. Each argument adds the tools of one task:
#   test     the validators of the desktop entry, the metainfo and the Debian package
#   bench    the X server, the probe's headers and Google Benchmark (make bench)
#   package  the Debian packaging tools, lintian, and what the screenshot script uses (make package)
#   a11y     the accessibility bus, its Python binding, a virtual screen and a key typist
#            (scripts/a11y-check.sh)
#   fuzz     clang and its fuzzing and sanitizer runtimes (make fuzz)
#   chroot   mmdebstrap, which makes the clean Debian systems of scripts/test-on.sh
#   desktops a Wayland compositor that runs without a screen, its picture taker and key typist,
#            Qt's Wayland and GTK platform plugins, and an X server (scripts/desktop-shots.sh)
#   orca     the Orca screen reader, its speech, a window manager and what a11y needs
#            (scripts/orca-play.sh)
set -euo pipefail

packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
    # Qt Charts, whose CMake package needs that of Qt OpenGL, a package of its own
    qt6-charts-dev libqt6opengl6-dev
    # lupdate and lrelease for the translations, and Qt's own translations of its standard texts
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev
    fonts-dejavu-core
)
# The Liberation faces: on Debian 12 the narrow one comes with Liberation 1 in fonts-liberation
# and Liberation 2 is fonts-liberation2; from Debian 13 on fonts-liberation is Liberation 2 and
# the narrow face has a package of its own.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
case "$codename" in
bookworm) packages+=(fonts-liberation fonts-liberation2) ;;
*) packages+=(fonts-liberation fonts-liberation-sans-narrow) ;;
esac
for task in "$@"; do
    case "$task" in
    test) packages+=(desktop-file-utils appstream dpkg-dev file lintian) ;;
    bench) packages+=(xvfb libx11-dev libxdamage-dev libxtst-dev libbenchmark-dev) ;;
    package) packages+=(dpkg-dev file fakeroot lintian xvfb xdotool imagemagick) ;;
    a11y) packages+=(at-spi2-core python3-gi gir1.2-atspi-2.0 dbus-x11 xvfb xdotool) ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    chroot) packages+=(mmdebstrap) ;;
    desktops)
        packages+=(sway grim wtype qt6-wayland qt6-gtk-platformtheme xvfb openbox xdotool
            imagemagick)
        ;;
    orca)
        packages+=(orca speech-dispatcher speech-dispatcher-espeak-ng openbox python3-pyatspi
            at-spi2-core dbus xvfb xdotool)
        ;;
    *)
        echo "unknown task: $task" >&2
        exit 2
        ;;
    esac
done

# What is installed, and what installed packages provide (from Debian 13 on, qt6-base-dev
# provides libqt6opengl6-dev).
installed=$(dpkg-query -W -f='${db:Status-Abbrev}|${Package}|${Provides}\n' 2>/dev/null | awk -F'|' '
    $1 ~ /^ii/ {
        print $2
        for (i = split($3, provided, / *, */); i > 0; i--) {
            sub(/ .*/, "", provided[i])
            print provided[i]
        }
    }')
missing=()
for p in "${packages[@]}"; do
    grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
