#!/usr/bin/env bash
# Drives varnook-cli.exe under Wine on trees made here with Linux tools and
# reads the result back with Linux tools, so that nothing of the program
# judges its own work. Run by CTest inside the test session (its Wine
# prefix, time zone and regional settings); the argument is the build folder.
set -uo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/exif-photo.sh"

root="$(mktemp -d /tmp/varnook-cli.XXXXXX)"
trap 'rm -rf "$root"' EXIT
failures=0
output=""
code=0

check() {
  local what="$1"; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; echo "     output: $output"; failures=$((failures + 1)); fi
}

# Runs the program on Linux paths, turned into the Windows paths it expects.
cli() {
  local arguments=()
  for argument in "$@"; do
    if [[ "$argument" == /* ]]; then arguments+=("Z:${argument//\//\\}"); else arguments+=("$argument"); fi
  done
  output="$(wine "$build/varnook-cli.exe" "${arguments[@]}" 2>&1 </dev/null | tr -d '\r')"
  code=${PIPESTATUS[0]}
}

# Every name below a folder, with its last-write time. Not the last-access
# time, which reading a folder moves, and not the folder's own last-write
# time, which renaming inside it moves.
snapshot() { (cd "$1" && find . -mindepth 1 -printf '%p %T@\n' | sort); }
modified() { TZ=Europe/Amsterdam date -d "@$(stat -c %Y "$1")" '+%Y-%m-%d %H:%M:%S'; }
accessed() { stat -c %X "$1"; }
written() { stat -c %Y "$1"; }
exits() { [ "$code" -eq "$1" ]; }
says() { [[ "$output" == *"$1"* ]]; }

tree="$root/tree"
mkdir -p "$tree/Map one/deeper"
touch "$tree/Map one/a.txt" "$tree/Map one/deeper/b.txt" "$tree/c.txt"
touch -d '2020-01-02 03:04:05' "$tree/Map one/a.txt" "$tree/Map one/deeper/b.txt" "$tree/c.txt" "$tree/Map one/deeper" "$tree/Map one"
before="$(snapshot "$root")"

cli --dry-run --subfolders --case upper --set-time "2024-07-15 12:00:00" "$tree/Map one" "$tree/c.txt"
check "a dry run succeeds" exits 0
check "a dry run prints the changes it would make" says "deeper\\b.txt -> B.TXT @ 2024-07-15 12:00:00"
check "a dry run changes nothing" [ "$before" = "$(snapshot "$root")" ]

cli --case upper --no-such-option "$tree/c.txt"
check "a bad option exits 2" exits 2
check "a bad option is named" says "--no-such-option"
cli --shift "+1x" "$tree/c.txt"
check "a bad value exits 2" exits 2
check "a usage error changes nothing" [ "$before" = "$(snapshot "$root")" ]
cli --case upper "$root/missing.txt" "$tree/c.txt"
check "a missing path exits 1" exits 1
check "the other paths are still done" [ -e "$tree/C.TXT" ]
mv "$tree/C.TXT" "$tree/c.txt" && touch -d '2020-01-02 03:04:05' "$tree/c.txt"
before="$(snapshot "$tree")"

cli --subfolders --case upper "$tree/Map one"
check "upper case through subfolders" [ -e "$tree/MAP ONE/DEEPER/B.TXT" ] && [ -e "$tree/MAP ONE/A.TXT" ]
check "upper case through subfolders exits 0" exits 0
cli --undo
check "the undo exits 0" exits 0
check "the undo puts every name and time back" [ "$before" = "$(snapshot "$tree")" ]

touch "$tree/Report-final.DOC"
cli --case words --word-breaks " -" --extension lower "$tree/Report-final.DOC"
check "word breaks and the extension's own case" [ -e "$tree/Report-Final.doc" ] && [ ! -e "$tree/Report-final.DOC" ]

photos="$root/photos"
mkdir -p "$photos"
touch "$photos/IMG_20240715_134500.jpg" "$photos/2023-01-02 03.04.05.jpg"
exif_photo "$photos/camera.jpg" "2022:08:09 10:11:12"
cli --time-from name "$photos/IMG_20240715_134500.jpg" "$photos/2023-01-02 03.04.05.jpg"
check "the moment from the name" [ "$(modified "$photos/IMG_20240715_134500.jpg")" = "2024-07-15 13:45:00" ]
check "the moment from another pattern of name" [ "$(modified "$photos/2023-01-02 03.04.05.jpg")" = "2023-01-02 03:04:05" ]
cli --time-from exif "$photos/camera.jpg"
check "the moment from the photo's date taken" [ "$(modified "$photos/camera.jpg")" = "2022-08-09 10:11:12" ]
touch "$photos/SHOUT.JPG" "$photos/notes.TXT"
cli --case lower "$photos/*.JPG"
check "a wildcard takes the files it matches" [ -e "$photos/shout.jpg" ] && [ -e "$photos/notes.TXT" ]
cli --time-from exif "$tree/Report-Final.doc"
check "a file without a date taken fails with exit 1" exits 1
check "and says why" says "Geen opnamedatum gevonden in"

shifted="$root/shifted.txt"
touch -d '2021-03-04 05:06:07' "$shifted"
touch -a -d '2019-01-01 00:00:00' "$shifted"
access="$(accessed "$shifted")"
write="$(written "$shifted")"
cli --shift +1h --times modified "$shifted"
check "a shift moves the last-write time" [ "$(written "$shifted")" -eq $((write + 3600)) ]
check "a shift leaves the times not asked for" [ "$(accessed "$shifted")" -eq "$access" ]

cli --set-time "2025-05-06 07:08:09" --times modified "$shifted"
check "set-time on the last-write time" [ "$(modified "$shifted")" = "2025-05-06 07:08:09" ]
check "set-time leaves the last-access time" [ "$(accessed "$shifted")" -eq "$access" ]
cli --undo
check "the undo of set-time" [ "$(written "$shifted")" -eq $((write + 3600)) ]

echo "$failures failed"
[ "$failures" -eq 0 ]
