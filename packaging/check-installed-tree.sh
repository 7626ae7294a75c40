#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a shell
# user get from it:
#
#   check-installed-tree.sh BUILD_DIR APP_ID
#
# every file in its place, the desktop entry and the AppStream metadata valid,
# the icon drawable, the manual page clean, and tesselon-keys working from the
# installed tree.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "check-installed-tree: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in bin/tesselon bin/tesselon-keys; do
  [ -x "$prefix/$program" ] || fail "$program is missing or not executable"
done
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
manual=$prefix/share/man/man1/tesselon-keys.1
for file in "$desktop" "$metainfo" "$icon" "$manual"; do
  [ -f "$file" ] || fail "${file#"$prefix"/} is missing"
done

desktop-file-validate "$desktop" || fail "the desktop entry is invalid"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "the desktop entry lacks its categories"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
[ -x "$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")" ] || fail "the desktop entry runs no installed program"
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo"
  fail "the AppStream metadata is invalid"
}
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata launches another desktop entry"
rsvg-convert -w 48 -h 48 "$icon" >/dev/null || fail "the icon cannot be drawn"

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page has warnings: $warnings"

"$prefix/bin/tesselon-keys" --help | grep -q '^Usage: tesselon-keys' || fail "tesselon-keys --help prints no usage"
result=$("$prefix/bin/tesselon-keys" X=2 X^Y Y=10 =)
expected='{"X": "2", "Y": "10", "Result": "1024", "Label": "X ^ Y", "Active": 1, "Deg": 0, "Memory": ""}'
[ "$result" = "$expected" ] || fail "the installed tesselon-keys printed $result"
echo "installed tree complete and valid"
