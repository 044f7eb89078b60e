#!/bin/bash
# Takes a screenshot of every page of the Options panel of the real program on a virtual display
# of 1024 x 768, with a fresh home and an example set loaded, so that a person can check that no
# text is clipped and no controls overlap. With a scale of 2 the display is 2048 x 1536 and the
# program draws at 200 %, which gives it the same 1024 x 768 of room.
# Usage: scripts/options-screenshots.sh path/to/harbex folder-for-pictures [scale]
# Needs Xvfb, xdotool and import (imagemagick). Not a test: it only takes the pictures.
set -u

program=${1:?usage: $0 path/to/harbex folder-for-pictures [scale]}
shots=${2:?usage: $0 path/to/harbex folder-for-pictures [scale]}
scale=${3:-1}
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done
width=$((1024 * scale))
height=$((768 * scale))

# shellcheck source=virtual-display.sh
. "$(dirname "$0")/virtual-display.sh"
make_work
fail() { echo "FAILED: $*"; [ -s "$work/out" ] && tail -n 20 "$work/out"; exit 1; }

start_display "${width}x${height}"
fresh_home "$work"
mkdir -p "$work/config/Keelwick" "$work/data/Harbex" "$work/src/Data" "$work/copies" "$shots"
# Compression needs an engine: an external utility that only has to exist for the pictures.
touch "$work/pkzip.exe"
export QT_SCALE_FACTOR="$scale"

# Drive C: is the machine's root, so a host folder /a/b is C:\a\b inside Harbex.
win() { printf 'C:%s' "$(echo "$1" | tr / '\\')"; }
ini() { win "$1" | sed 's/\\/\\\\/g'; }  # a backslash is written twice in the settings file
set_file="$work/data/Harbex/Office.bus"
# The example set of the set file's description, with folders of this machine.
printf '%s\r\n' "[FILTERS]" "*.xls" "*.doc" "[DIRS]" "$(win "$work/src/Data")" "[PARAMS]" \
    "-u -r -p" "[SHED]" "1" "5" "1" "18:30:00" "0" "[AUTO]" "0" "[DIS DRIVES]" "H:" "[DAYS]" \
    "USE23456" "[NAMESET]" "1" "[SPECIFIC]" "1" "$(win "$work/copies")" "[ZIP TYPE]" "00" \
    "[ZIP CORE]" "Office" "[COMP]" "1" "[NAMES]" "NOFILE" "[NET DIRS]" "F:" "G:" "[LOG]" \
    "[WIZ]" "2000000000000000000" "[COMM]" "[GEN]" "01" >"$set_file"
cat >"$work/config/Keelwick/Pelvor.conf" <<EOF
[General]
First=0
Splash=0
Bus%20File=$(ini "$set_file")
Zip%20Temp=$(ini "$work/tmp")
Internal%20Compression=0
Ext%20Util=$(ini "$work/pkzip.exe")
EOF

start_and_answer "$program"
main=$(main_window)
xdotool windowmove "$main" 0 0 windowsize "$main" "$width" "$height"
sleep 1

shot() { import -window root "$shots/$1.png" && echo "$shots/$1.png"; }
key() { xdotool windowfocus --sync "$main" 2>/dev/null; xdotool key --delay 120 "$@"; sleep 0.8; }

# Options -> Options opens the panel on its Misc tab with the keyboard on the tab bar; Ctrl+Tab
# goes to the next tab shown, round the end (Diags is not shown yet).
key alt+o o
shot misc
for name in backup-set schedule zip riz-ivezur summary sequence-list common-filetypes \
    daily-folders drives source-options destination-options; do
    key ctrl+Tab
    shot "$name"
done
# Back on Misc, the Diags tab appears once a network search is logged: "Log Network search
# output" (Alt+K), then Options -> Build Network Drives List (Alt+O, N), which shows that tab.
key ctrl+Tab
key alt+k
key alt+o n
sleep 3
shot diags
key alt+x
shot after-exit-options
echo "pictures in $shots"
