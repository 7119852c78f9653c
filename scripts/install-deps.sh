#!/usr/bin/env bash
# Installs what building and running the game needs on Debian 12, and nothing when it is all
# there already. Uses sudo when not run as root. Each argument adds the tools of one task:
#   test     the validators of the desktop entry, the metainfo and the Debian package
#   bench    the X server, the probe's headers and Google Benchmark (make bench)
#   package  the Debian packaging tools, lintian, and what the screenshot script uses (make package)
#   a11y     the accessibility bus, its Python binding, a virtual screen and a key typist
#            (scripts/a11y-check.sh)
#   fuzz     clang and its fuzzing and sanitizer runtimes (make fuzz)
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
    fonts-liberation fonts-liberation2 fonts-dejavu-core
)
for task in "$@"; do
    case "$task" in
    test) packages+=(desktop-file-utils appstream dpkg-dev file lintian) ;;
    bench) packages+=(xvfb libx11-dev libxdamage-dev libxtst-dev libbenchmark-dev) ;;
    package) packages+=(dpkg-dev file fakeroot lintian xvfb xdotool imagemagick) ;;
    a11y) packages+=(at-spi2-core python3-gi gir1.2-atspi-2.0 dbus-x11 xvfb xdotool) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
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
