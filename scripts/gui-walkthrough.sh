#!/bin/bash
# Walks the real program as a new user would, on a virtual display with a fresh home:
#   1. first start: the default set is offered, "Use the Defaults", then Yes; Quit;
#   2. second start: no first-run question, and the first start left default.bus, today's log
#      file and the settings with "First" off behind; Quit;
#   3. third start: a collection of many folders is started and the program is quit during it;
#      it must stop and the process end at once, with the stop in the log.
# Usage: scripts/gui-walkthrough.sh path/to/harbex [folder for screenshots]
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
    for seen in "$work"/seen.*; do [ -f "$seen" ] && echo "$seen: $(tr '\n' ',' <"$seen")"; done
    for out in "$work"/out.*; do [ -s "$out" ] && echo "$out:" && tail -n 20 "$out"; done
    [ -n "$shots" ] && shot failure
    exit 1
}
pass() { echo "ok: $*"; }

start_display 1280x800
fresh_home "$work"
data="$work/data/Harbex"
settings="$work/config/Keelwick/Pelvor.conf"
today_log="$data/$(date +%A)_Harbex.log"

shot() {  # a picture of the whole display, once per name
    [ -n "$shots" ] && [ ! -f "$shots/$1.png" ] || return 0
    mkdir -p "$shots" && import -window root "$shots/$1.png" && echo "screenshot: $shots/$1.png"
}
click_at() {  # window, x and y inside it
    read -r wx wy _ _ <<<"$(geometry "$1")"
    xdotool mousemove $((wx + $2)) $((wy + $3)) click 1
}
# Starts the program and answers what it shows until the main window is alone for two
# seconds. Every title seen goes to $work/seen.<run>. On the welcome window it presses
# "Use the Defaults"; on the splash "Continue"; everywhere else the default button.
start_and_settle() {
    local run=$1 quiet=0 deadline=$((SECONDS + 90))
    : >"$work/seen.$run"
    "$program" >"$work/out.$run" 2>&1 &
    app=$!
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$app" 2>/dev/null || fail "run $run: the program ended during start-up"
        local shown
        shown=$(settled_dialog)
        if [ -z "$shown" ]; then
            if [ -n "$(main_window)" ]; then quiet=$((quiet + 1)); fi
            [ $quiet -ge 10 ] && return 0
            sleep 0.2
            continue
        fi
        quiet=0
        local title
        title=$(xdotool getwindowname "$shown")
        echo "$title" >>"$work/seen.$run"
        case "$title" in
            Welcome)
                shot welcome
                click_at "$shown" 512 334 ;;           # "Use the Defaults"
            Splash)
                shot splash
                click_at "$shown" 284 334 ;;           # "Continue"
            *)
                xdotool windowfocus "$shown" 2>/dev/null
                xdotool key Return ;;
        esac
        sleep 0.7
    done
    fail "run $run: start-up did not settle"
}

# Ctrl+Q on the main window, then waits up to 90 seconds for the process to end (a loaded machine
# with sanitizers is slow, so the wait is for the end, not for a time); $work/took: seconds from
# the key to the end.
quit_program() {
    local run=$1 main start deadline=$((SECONDS + 90))
    main=$(main_window)
    xdotool windowfocus "$main" 2>/dev/null
    start=$(date +%s.%N)
    xdotool key ctrl+q
    while [ $SECONDS -lt $deadline ] && kill -0 "$app" 2>/dev/null; do
        # Closing a set never saved asks first; nothing else may ask.
        [ -n "$(dialogs)" ] && fail "run $run: closing asked: $(xdotool getwindowname "$(dialogs | head -n 1)")"
        sleep 0.1
    done
    kill -0 "$app" 2>/dev/null && fail "run $run: the program did not end within 90s after Quit"
    wait "$app"
    local status=$?
    app=""
    [ $status -eq 0 ] || fail "run $run: the program ended with status $status"
    awk -v a="$(date +%s.%N)" -v b="$start" 'BEGIN{printf "%.2f", a - b}' >"$work/took"
}

# ---- 1. first start ----
start_and_settle 1
grep -qx Welcome "$work/seen.1" || fail "first start: no welcome window"
grep -qx Confirm "$work/seen.1" || fail "first start: the default set was not offered"
pass "first start offered the default set: $(tr '\n' ',' <"$work/seen.1")"
quit_program 1
[ -f "$data/default.bus" ] || fail "no default.bus in $data"
[ -f "$today_log" ] || fail "no log file of today ($today_log)"
grep -qx 'First=0' "$settings" || fail "the settings still have First on"
grep -q 'Log File save at System shutdown' "$today_log" || fail "the closing lines are not logged"
pass "default.bus, $(basename "$today_log") and First=0 are in place"

# ---- 2. second start ----
start_and_settle 2
grep -qx -e Welcome -e Confirm "$work/seen.2" && fail "second start asked the first-run questions again"
grep -qx Splash "$work/seen.2" || fail "second start: no splash"
case "$(xdotool getwindowname "$(main_window)")" in
    *"by Keelwick") ;;
    *) fail "second start: the set was not loaded" ;;
esac
pass "second start went straight to the set: $(tr '\n' ',' <"$work/seen.2")"
if [ -n "$shots" ]; then
    main=$(main_window)
    read -r mx my _ _ <<<"$(geometry "$main")"
    # Onto the first tool button and rest there until its tooltip shows.
    xdotool windowfocus "$main" 2>/dev/null
    xdotool mousemove $((mx + 300)) $((my + 200)) sleep 0.3 mousemove $((mx + 18)) $((my + 36)) \
        sleep 0.2 mousemove $((mx + 20)) $((my + 38))
    sleep 2.5
    shot main-window-tool-hover
fi
quit_program 2

# ---- 3. quitting during a collection ----
# Collection takes no pause per folder, so it needs a large tree to be still running when Quit
# comes: 40 folders with 900 sub-folders each, searched with "Look in sub folders".
mkdir -p "$work/src"
dirs=""
for n in $(seq -w 1 40); do
    mkdir -p "$work/src/d$n"/s{1..30}/t{1..30}
    echo "file $n" >"$work/src/d$n/f.txt"
    dirs="$dirs$(printf 'C:%s\\d%s' "$(echo "$work/src" | tr / '\\')" "$n")"$'\r\n'
done
# The folder list goes through the environment: awk would read backslashes in -v as escapes.
DIRS="$dirs" awk 'BEGIN{RS="\r\n"; ORS="\r\n"}
    /^\[FILTERS\]/ {print; print "*.txt"; skip=1; next}
    /^\[DIRS\]/ {print; printf "%s", ENVIRON["DIRS"]; skip=1; next}
    /^\[COMP\]/ {print; print "0"; skip=1; next}
    /^\[GEN\]/ {print; print "11"; skip=1; next}
    /^\[/ {skip=0}
    !skip {print}' "$data/default.bus" >"$work/set.bus" && mv "$work/set.bus" "$data/default.bus"
start_and_settle 3
main=$(main_window)
click_at "$main" 86 38  # the Collect tool button
sleep 0.3
quit_program 3
took=$(cat "$work/took")
pass "quit during a collection ended the program in ${took}s"
# A collection that kept going would hold the program for minutes; ending within 15 seconds leaves
# room for a busy machine and still shows that the quit stopped it.
awk -v t="$took" 'BEGIN{exit !(t < 15)}' || fail "the program took ${took}s to end after Quit"
grep -q 'Collection stopped: Harbex is closing' "$today_log" || fail "the stop is not in the log"
grep -q 'Status BACKUPS ABORTED' "$today_log" || fail "the closing lines are not in the log"
pass "the stop and the closing lines are logged"
echo "1 passed, 0 failed"
exit 0
