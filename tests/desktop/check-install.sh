#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop finds there: the program,
# the desktop entry, the icon and the AppStream metainfo, each valid and naming the others, the
# ledger's module, and the manual page, copyright and changelog beside them.
#   check-install.sh SOURCE_DIR BUILD_DIR
# Exits 77 (skipped) when the validators are not installed.
set -euo pipefail
source_dir=$1
build_dir=$2
id=org.example.Dunemark

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/install-deps.sh test): skipped"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

prefix="$build_dir/check-install"
rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
for file in "$desktop" "$metainfo" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
    "$prefix/share/man/man6/dunemark.6.gz" "$prefix/share/doc/dunemark/copyright" \
    "$prefix/share/doc/dunemark/changelog.gz"; do
    [ -f "$file" ] || fail "$file was not installed"
done
[ -x "$prefix/games/dunemark" ] || fail "games/dunemark was not installed as a program"
# The ledger's module, where the program looks for it from its own place.
[ -f "$prefix/lib/games/dunemark/ledger.so" ] || fail "lib/games/dunemark/ledger.so was not installed"
[ "$failures" -eq 0 ] || exit 1

# The desktop entry: no error, warning or hint at all.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

# The entry starts the installed program, wherever the prefix put it, and shows the installed icon.
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Exec)" = "$(cd "$prefix" && pwd)/games/dunemark" ] ||
    fail "Exec=$(key Exec) is not the installed program"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$(key Icon).svg" ] ||
    fail "Icon=$(key Icon) is not an installed icon"

# The metainfo names the same program, and its screenshot is the one shipped, at its size.
grep -q "<binary>$(basename "$(key Exec)")</binary>" "$metainfo" ||
    fail "the metainfo provides another binary"
screenshot="$source_dir/data/screenshots/main.png"
if [ -f "$screenshot" ]; then
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$screenshot")
    width=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
    height=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
    grep -q "width=\"$width\" height=\"$height\">[^<]*/screenshots/main.png<" "$metainfo" ||
        fail "the metainfo does not give the screenshot's size ${width}x${height}"
else
    fail "$screenshot is missing"
fi

[ "$failures" -eq 0 ] && echo "install tree, desktop entry and metainfo are valid"
[ "$failures" -eq 0 ]
