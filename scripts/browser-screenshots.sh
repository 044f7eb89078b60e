#!/bin/bash
# Takes screenshots of the file browser of the real program on a virtual display with a fresh
# home: a browser set whose ".brw" list names two files and one that is gone is loaded, the
# browser is opened from the toolbar, two more files are picked (double click, then a drag onto
# the picked list) and Done is pressed; the ".brw" list must then hold the four files.
# Usage: scripts/browser-screenshots.sh path/to/harbex folder-for-pictures
# Needs Xvfb, xdotool and import (imagemagick). Not a test: it takes the pictures and checks
# the list file, and ends with the program closed.
set -u

program=${1:?usage: $0 path/to/harbex folder-for-pictures}
shots=${2:?usage: $0 path/to/harbex folder-for-pictures}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done

# shellcheck source=virtual-display.sh
. "$(dirname "$0")/virtual-display.sh"
make_work
fail() { echo "FAILED: $*"; [ -s "$work/out" ] && tail -n 20 "$work/out"; exit 1; }

start_display 1280x800
fresh_home "$work"
mkdir -p "$work/config/Keelwick" "$work/data/Harbex" "$work/src/Data/Letters" "$shots"
win() { printf 'C:%s' "$(echo "$1" | tr / '\\')"; }
ini() { win "$1" | sed 's/\\/\\\\/g'; }
src="$work/src/Data"
head -c 100 /dev/urandom >"$src/Notes.txt"
head -c 5000 /dev/urandom >"$src/budget 2026.xls"
head -c 250000 /dev/urandom >"$src/Report.pdf"
head -c 40000 /dev/urandom >"$src/photo.jpg"
head -c 12000 /dev/urandom >"$src/Letters/to the bank.doc"
set_file="$work/data/Harbex/Office.bus"
printf '%s\r\n' "[FILTERS]" "[DIRS]" "[PARAMS]" "-u -r -p" "[SHED]" "0" "1" "1" "18:30:00" "0" \
    "[AUTO]" "0" "[DIS DRIVES]" "[DAYS]" "USE23456" "[NAMESET]" "1" "[SPECIFIC]" "0" \
    "[ZIP TYPE]" "00" "[ZIP CORE]" "Office" "[COMP]" "0" "[NAMES]" "NOFILE" "[NET DIRS]" "C:" \
    "[LOG]" "[WIZ]" "2100000000000000000" "[COMM]" "[GEN]" "01" >"$set_file"
lower() { win "$1" | tr '[:upper:]' '[:lower:]'; }
printf '%s\r\n' "$(lower "$src/Notes.txt")" "$(lower "$src/gone since monday.doc")" \
    "$(lower "$src/budget 2026.xls")" >"$work/data/Harbex/Office.brw"
cat >"$work/config/Keelwick/Pelvor.conf" <<EOF
[General]
First=0
Splash=0
Bus%20File=$(ini "$set_file")
Zip%20Temp=$(ini "$work/tmp")
EOF

start_and_answer "$program"
main=$(main_window)
xdotool windowmove "$main" 0 0 windowsize "$main" 1024 700
sleep 1
shot() { import -window root "$shots/$1.png" && echo "$shots/$1.png"; }
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.6; }
shot main-window

# The toolbar's file browser button, fourth from the left.
click 119 38
browser=""
deadline=$((SECONDS + 30))
while [ -z "$browser" ] && [ $SECONDS -lt $deadline ]; do
    browser=$(xdotool search --onlyvisible --name '^Harbex - File Browser$' 2>/dev/null | head -n 1)
    sleep 0.2
done
[ -n "$browser" ] || fail "the file browser did not open"
xdotool windowmove "$browser" 0 0 windowsize "$browser" 1000 560
sleep 1
shot browser-opened

# photo.jpg (third row of the files, 18 pixels a row) by double click, report.pdf (fourth) dragged across.
xdotool mousemove 260 126 click --repeat 2 --delay 80 1
sleep 0.6
xdotool mousemove 260 144 click 1
sleep 0.4
xdotool mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((260 + step * 50)) $((144 + step * 15))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.8
click 700 162   # the dropped file in the picked list: its name goes to the status bar
shot browser-picked
click 288 19    # Done
deadline=$((SECONDS + 10))
while xdotool search --onlyvisible --name '^Harbex - File Browser$' >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || fail "the browser did not close on Done"
    sleep 0.2
done
shot after-done
expected=$(printf '%s\r\n' "$(lower "$src/Notes.txt")" "$(lower "$src/gone since monday.doc")" \
    "$(lower "$src/budget 2026.xls")" "$(lower "$src/photo.jpg")" "$(lower "$src/Report.pdf")")
[ "$(cat "$work/data/Harbex/Office.brw")" = "$expected" ] ||
    fail "the list file holds: $(cat -A "$work/data/Harbex/Office.brw")"
echo "ok: the list file holds the five picked files"
xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key ctrl+q
deadline=$((SECONDS + 20))
while kill -0 "$app" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "the program did not end after Quit"
    shown=$(dialogs | head -n 1)
    [ -n "$shown" ] && { echo "answered: $(xdotool getwindowname "$shown")"; xdotool windowfocus "$shown" 2>/dev/null; xdotool key Return; }
    sleep 0.3
done
app=""
echo "ok: the program has ended"
