#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and has lintian check it as Debian would: no
# error and no warning. Also checks that the program is where its section says, its ledger's
# module where it looks for it, and that the desktop entry starts it there.
#   check-package.sh BUILD_DIR
# Exits 77 (skipped) when the packaging tools are not installed.
set -euo pipefail
build_dir=$1
id=org.example.Dunemark

for tool in lintian dpkg-shlibdeps dpkg-deb; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/install-deps.sh package): skipped"
        exit 77
    fi
done

scratch="$build_dir/check-package"
rm -rf "$scratch"
cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$(echo "$scratch"/dunemark_*.deb)

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

contents=$(dpkg-deb --contents "$deb")
grep -q ' \./usr/games/dunemark$' <<<"$contents" || fail "no /usr/games/dunemark"
grep -q ' \./usr/lib/games/dunemark/ledger\.so$' <<<"$contents" || fail "no /usr/lib/games/dunemark/ledger.so"
entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/$id.desktop)
grep -qx 'Exec=/usr/games/dunemark' <<<"$entry" ||
    fail "the desktop entry does not start /usr/games/dunemark"

lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian"

[ "$failures" -eq 0 ] && echo "$deb: lintian finds no error and no warning"
[ "$failures" -eq 0 ]
