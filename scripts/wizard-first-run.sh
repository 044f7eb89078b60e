#!/bin/bash
# A newcomer's first run of the real program, on a 1024x768 virtual display with a fresh home:
# welcome -> "Start the Wizard" -> the set's name -> every page answered for "some of the files
# (*.txt) in two folders, daily folders Monday to Friday on drive D:, no compression, manual
# start" -> Finish -> Save. The ".bus" file must hold those answers, and Backup All from the
# toolbar must copy the files into today's daily folder (on a weekend day there is none, and that
# is checked instead). Then the wizard is opened again on the set to show the specific folders
# page, and left with Cancel and Discard.
# Usage: scripts/wizard-first-run.sh path/to/harbex [folder for screenshots]
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or xdotool on this machine).
set -u

program=${1:?usage: $0 path/to/harbex [screenshot folder]}
shots=${2:-}
# shellcheck source=virtual-display.sh
. "$(dirname "$0")/virtual-display.sh"
check_display_tools
make_work
fail() {
    echo "FAILED: $*"
    [ -s "$work/out" ] && tail -n 20 "$work/out"
    exit 1
}
pass() { echo "ok: $*"; }
shot() {
    [ -n "$shots" ] || return 0
    mkdir -p "$shots" && import -window root "$shots/$1.png" && echo "screenshot: $shots/$1.png"
}

start_display 1024x768
fresh_home "$work"
# Drive C: holds the program's data and the files to back up, D: takes the backups, E: is the
# folder of the program itself (its compression modules).
mkdir -p "$work/c/Documents/Letters" "$work/c/Mail" "$work/c/Harbex" "$work/c/tmp" "$work/d"
echo "letter" >"$work/c/Documents/a.txt"
echo "mail" >"$work/c/Mail/b.txt"
echo "not a text file" >"$work/c/Mail/c.doc"
mkdir -p "$work/config/Keelwick"
printf '[Drives]\nC=%s\nD=%s\nE=%s\n' "$work/c" "$work/d" "$(cd "$(dirname "$program")" && pwd)" \
    >"$work/config/Keelwick/Pelvor.conf"
export HARBEX_HOME="$work/c/Harbex" TMPDIR="$work/c/tmp"
set_file="$work/c/Harbex/Office.bus"

waitfor() {  # the visible window with exactly this title, within 30 seconds
    local deadline=$((SECONDS + 30)) w
    while [ $SECONDS -lt $deadline ]; do
        w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$w" ] && echo "$w" && return 0
        sleep 0.2
    done
}
click() {  # window, x and y inside it
    read -r wx wy _ _ <<<"$(geometry "$1")"
    xdotool mousemove $((wx + $2)) $((wy + $3)) click 1
    sleep 0.4
}
heading() { [ -n "$shots" ] || return 0; shot "$1"; }
next() {
    xdotool windowfocus "$main" 2>/dev/null
    xdotool key alt+n
    sleep 0.8
}

"$program" >"$work/out" 2>&1 &
app=$!
# Start-up's messages before the welcome window are answered with their default button.
deadline=$((SECONDS + 60))
welcome=""
while [ $SECONDS -lt $deadline ] && [ -z "$welcome" ]; do
    kill -0 "$app" 2>/dev/null || fail "the program ended during start-up"
    welcome=$(xdotool search --onlyvisible --name '^Welcome$' 2>/dev/null | head -n 1)
    for w in $(dialogs); do
        [ "$(xdotool getwindowname "$w")" = Harbex ] && xdotool windowfocus "$w" key Return
    done
    sleep 0.3
done
[ -n "$welcome" ] || fail "no welcome window"
shot 00-welcome
click "$welcome" 380 334  # "Start the Wizard"
name=$(waitfor "New Backup-Set")
[ -n "$name" ] || fail "the wizard did not ask the new set's name"
xdotool type --delay 40 "Office"
shot 00-new-set-name
xdotool key Return
sleep 1.5
main=$(main_window)
# A fixed window size, so that the places clicked below are the same on every machine.
xdotool windowmove "$main" 0 0 windowsize "$main" 1000 700
sleep 1
heading 01-page1-which-files
next && heading 02-page2-types-of-file
next && heading 03-page3-source-files
next
click "$main" 118 168  # Documents
click "$main" 96 204   # Mail
heading 04-page4-folder-select
next
xdotool key alt+a && sleep 0.4 && xdotool type --delay 40 txt && xdotool key Return && sleep 0.4
heading 05-page5-filter-select
next && heading 06-page6-select-locations
next
click "$main" 25 122  # Use Daily Folders
for y in 203 229 255 281 307; do click "$main" 37 "$y"; done  # Monday to Friday
heading 07-page7-daily-folders
next
xdotool type --delay 40 "D:" && xdotool key alt+a && sleep 0.4
heading 15-page15-network-drives
next && heading 09-page9-file-compression
next && heading 12-page12-scheduling-1
next && heading 14-page14-log-options
click "$main" 941 648  # Finish
prompt=$(waitfor "Harbex by Keelwick")
[ -n "$prompt" ] || fail "no end prompt after Finish"
shot 16-end-prompt
xdotool windowfocus "$prompt" key alt+s
sleep 1.5
[ -f "$set_file" ] || fail "Save wrote no $set_file"
set_text=$(tr -d '\r' <"$set_file")
expect() { grep -qxF -- "$2" <<<"$(awk -v s="$1" '$0==s{f=1;next} /^\[/{f=0} f' <<<"$set_text")" ||
    fail "the set file has no '$2' in $1"; }
expect '[FILTERS]' '*.txt'
expect '[DIRS]' 'C:\Documents'
expect '[DIRS]' 'C:\Mail'
expect '[DAYS]' 'USE23456'
expect '[NET DIRS]' 'D:'
expect '[COMP]' '0'
expect '[AUTO]' '0'
pass "the wizard's answers are in $(basename "$set_file")"

click "$main" 284 38  # Backup All
today=$(LC_ALL=C date +%A)
deadline=$((SECONDS + 60))
case "$today" in
    Saturday | Sunday)
        sleep 5
        [ -e "$work/d/$today" ] && fail "a daily folder was made for $today"
        pass "no daily folder on $today, as the set says" ;;
    *)
        while [ $SECONDS -lt $deadline ] && [ ! -f "$work/d/$today/b.txt" ]; do sleep 0.3; done
        [ -f "$work/d/$today/a.txt" ] && [ -f "$work/d/$today/b.txt" ] ||
            fail "Backup All did not copy the files into D:\\$today"
        [ -e "$work/d/$today/c.doc" ] && fail "a file the filter leaves out was copied"
        pass "Backup All copied the set's files into D:\\$today" ;;
esac
shot 17-after-backup-all

# The specific folders page: Edit Existing, on to page 7, specific folders on, on to page 8.
xdotool windowfocus "$main" key alt+w && sleep 0.4 && xdotool key Down Return && sleep 1
for _ in 1 2 3 4 5 6; do next; done
click "$main" 160 122  # Use specified Folders for backups
next && next
heading 08-page8-specific-destinations
click "$main" 855 648  # Cancel
prompt=$(waitfor "Harbex by Keelwick")
[ -n "$prompt" ] || fail "no end prompt after Cancel"
xdotool windowfocus "$prompt" key alt+d
sleep 1
for w in $(dialogs); do xdotool windowfocus "$w" key Return; done
sleep 0.5
tr -d '\r' <"$set_file" | grep -qx 'USE23456' || fail "Discard changed the saved set"
pass "Cancel and Discard left the saved set as it was"
echo "1 passed, 0 failed"
exit 0
