#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a package would ship:
# the file list, the desktop entry and metainfo through their validators, the
# icon renders at their sizes, one id and one version everywhere, and the
# installed program's command line without any display.
# Usage: install_test.sh BUILD_DIR VERSION APP_ID
set -euo pipefail
build=$1 version=$2 id=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

expected=$(cat <<LIST | sort
/usr/bin/quillo
/usr/share/applications/$id.desktop
/usr/share/icons/hicolor/16x16/apps/$id.png
/usr/share/icons/hicolor/32x32/apps/$id.png
/usr/share/icons/hicolor/48x48/apps/$id.png
/usr/share/icons/hicolor/64x64/apps/$id.png
/usr/share/icons/hicolor/128x128/apps/$id.png
/usr/share/icons/hicolor/256x256/apps/$id.png
/usr/share/icons/hicolor/scalable/apps/$id.svg
/usr/share/man/it/man1/quillo.1
/usr/share/man/man1/quillo.1
/usr/share/metainfo/$id.metainfo.xml
LIST
)
installed=$(cd "$root" && find . -type f -o -type l | sed 's/^\.//' | sort)
[ "$installed" = "$expected" ] || fail "installed files differ from the list:
$(diff <(echo "$expected") <(echo "$installed") || true)"

desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Icon)" = "$id" ] || fail "the desktop entry names icon '$(entry Icon)', not $id"
[ "$(entry Exec)" = quillo ] || fail "the desktop entry starts '$(entry Exec)'"
[ "$(entry Categories)" = "Education;Math;" ] || fail "categories '$(entry Categories)'"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches no $id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
# Both manual pages, English and Italian, of this version, read by man as
# lintian reads them (no warning), and telling what the program does: the
# keypad's key and the one file it may write.
for page in "$share/man/man1/quillo.1" "$share/man/it/man1/quillo.1"; do
  grep -q "\"Quillo $version\"" "$page" || fail "$page is not of version $version"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $page: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
  grep -q 'F12' <<<"$text" || fail "$page does not mention F12 and the keypad"
  grep -q 'PDF' <<<"$text" || fail "$page does not say it may write a PDF file"
done
grep -q 'esercizi di aritmetica' "$share/man/it/man1/quillo.1" || fail "the Italian page is not in Italian"

# A PNG's width and height are the two big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size} px icon is $dims"
done

# The command line is read before Qt looks for a display, so none is given.
quillo() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/quillo" "$@"; }
out=$(quillo --version 2>&1) || fail "--version exits with $?"
[ "$out" = "Quillo $version" ] || fail "--version says '$out'"
out=$(quillo --help 2>&1) || fail "--help exits with $?"
grep -q -- '--version' <<<"$out" || fail "--help does not list --version: $out"
for wrong in --bogus -x stray; do
  status=0
  out=$(quillo "$wrong" 2>"$root/err") || status=$?
  [ "$status" -eq 2 ] || fail "'quillo $wrong' exits with $status"
  [ -z "$out" ] || fail "'quillo $wrong' prints on stdout: $out"
  grep -q -- "«$wrong»" "$root/err" || fail "'quillo $wrong' does not name it: $(cat "$root/err")"
done

[ "$failures" -eq 0 ] || exit 1
