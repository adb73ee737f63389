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

# A key of the main group, or of the named action's.
entry() { sed -n "/^\[${2:-Desktop Entry}\]/,/^\[/s/^$1=//p" "$desktop"; }
[ "$(entry Icon)" = "$id" ] || fail "the desktop entry names icon '$(entry Icon)', not $id"
[ "$(entry Exec)" = quillo ] || fail "the desktop entry starts '$(entry Exec)'"
[ "$(entry Categories)" = "Education;Math;" ] || fail "categories '$(entry Categories)'"
# The teacher's worksheets are a second action of the launcher, never the pupils' way in.
[ "$(entry Actions)" = "sheets;" ] || fail "the desktop entry's actions are '$(entry Actions)'"
[ "$(entry Exec "Desktop Action sheets")" = "quillo --schede" ] || fail "the worksheet action starts '$(entry Exec "Desktop Action sheets")'"
[ "$(entry 'Name\[it\]' "Desktop Action sheets")" = "Schede per la classe" ] || fail "the worksheet action is not named in Italian"
grep -q 'quillo --scheda' "$metainfo" || fail "metainfo does not say how to make a sheet"
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
  for option in --schede --scheda --addendi --moltiplicatore --cifre --esercizi --seme --soluzioni --sovrascrivi; do
    grep -q -- "$option" <<<"$text" || fail "$page does not document $option"
  done
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

# A worksheet from the installed program, still without a display: the file
# and nothing else on success; on a mistake one message, the right status
# and no file at all, not even a draft.
sheets=$root/sheets
mkdir "$sheets"
cd "$sheets"
status=0
out=$(quillo --scheda divisione --cifre 4 --esercizi 12 --seme 4711 --soluzioni -o divisioni.pdf 2>"$root/err") || status=$?
[ "$status" -eq 0 ] || fail "--scheda exits with $status: $(cat "$root/err")"
[ -z "$out$(cat "$root/err")" ] || fail "--scheda says '$out' '$(cat "$root/err")'"
[ "$(ls -A)" = divisioni.pdf ] || fail "--scheda leaves $(ls -A)"
pdfinfo divisioni.pdf | grep -q '^Pages: *2$' || fail "the sheet and its key are not two pages"
pdftotext divisioni.pdf - | grep -q 'seme 4711' || fail "the seed is not on the sheet"
sheet_fails() {
  local expected=$1 says=$2
  shift 2
  status=0
  out=$(quillo "$@" 2>"$root/err") || status=$?
  [ "$status" -eq "$expected" ] || fail "'quillo $*' exits with $status, not $expected"
  [ -z "$out" ] || fail "'quillo $*' prints on stdout: $out"
  grep -q -- "$says" "$root/err" || fail "'quillo $*' says: $(cat "$root/err")"
  [ "$(ls -A)" = divisioni.pdf ] || fail "'quillo $*' leaves $(ls -A)"
}
sheet_fails 2 'scheda sconosciuta «divisone»' --scheda divisone -o nuova.pdf
sheet_fails 2 'opzione sconosciuta «--colore»' --scheda addizione --colore rosso -o nuova.pdf
sheet_fails 2 'il numero di esercizi va da 1 a 60' --scheda addizione --esercizi 61 -o nuova.pdf
sheet_fails 2 'il seme è un numero intero' --scheda addizione --seme dodici -o nuova.pdf
sheet_fails 1 'esiste già' --scheda addizione -o divisioni.pdf
sheet_fails 1 'la cartella «manca» non esiste' --scheda addizione -o manca/nuova.pdf
sheet_fails 1 'impossibile scrivere' --scheda addizione -o /proc/nuova.pdf
quillo --scheda addizione --seme 5 -o divisioni.pdf --sovrascrivi 2>"$root/err" || fail "--sovrascrivi: $(cat "$root/err")"
pdftotext divisioni.pdf - | grep -q 'Addizioni in colonna' || fail "--sovrascrivi did not replace the file"
out=$(quillo --help 2>&1)
for word in --scheda --schede addizione confronto-decimali --sovrascrivi; do
  grep -q -- "$word" <<<"$out" || fail "--help does not mention $word"
done
cd /

[ "$failures" -eq 0 ] || exit 1
