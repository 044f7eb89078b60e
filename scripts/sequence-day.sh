#!/bin/bash
# Runs the real program in sequencing mode on the real clock: two scheduled sets, "docs" due
# about a minute and a half from now and "accounts" a minute after it, each backing up one
# folder into today's daily folder on drive D:. The program must wait for each set's time, back
# both up in list order and write one log with both reports; then it sleeps until midnight, and
# the script ends it. Takes about two and a half minutes, since the wait for a time counts whole
# minutes; the suite plays the same day on a fake clock instead.
# Usage: scripts/sequence-day.sh path/to/harbex
# Exit status: 0 passed, 1 failed, 77 skipped (too close to midnight for a day's sequence).
set -u

program=${1:?usage: $0 path/to/harbex}
now=$(date +%s)
midnight=$(date -d 'tomorrow 00:00' +%s)
if [ $((midnight - now)) -lt 400 ]; then
    echo "SKIPPED: the sequence would run into the next day"
    exit 77
fi
# shellcheck source=virtual-display.sh
. "$(dirname "$0")/virtual-display.sh"
make_work
fail() {
    echo "FAILED: $*"
    [ -s "$work/out" ] && tail -n 20 "$work/out"
    for log in "$data"/*.log; do [ -f "$log" ] && echo "$log:" && cat "$log"; done
    exit 1
}
# No display is needed: the program runs on the offscreen platform.
fresh_home "$work"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY
mkdir -p "$work/config/Keelwick" "$work/data/Harbex"
data="$work/data/Harbex"

winpath() { echo "C:$1" | tr '/' '\\'; }
ini() { echo "$1" | sed 's/\\/\\\\/g'; }
mkdir -p "$work/drive-d/$(date +%A)" "$work/src/docs" "$work/src/accounts"
printf 'the report\r\n' >"$work/src/docs/report.txt"
printf 'the ledger\r\n' >"$work/src/accounts/ledger.txt"

# A scheduled daily set of one folder, due at a time.
write_set() {
    local name=$1 time=$2
    {
        printf '[FILTERS]\r\n*.*\r\n[DIRS]\r\n%s\r\n' "$(winpath "$work/src/$name")"
        printf '[PARAMS]\r\n-u -s\r\n[SHED]\r\n0\r\n1\r\n1\r\n%s\r\n0\r\n[AUTO]\r\n1\r\n' "$time"
        printf '[DIS DRIVES]\r\n[DAYS]\r\nUSE1234567\r\n[NAMESET]\r\n1\r\n[SPECIFIC]\r\n0\r\n'
        printf '[ZIP TYPE]\r\n00\r\n[ZIP CORE]\r\n%s\r\n[COMP]\r\n0\r\n' "${name:0:6}"
        printf '[NAMES]\r\nNOFILE\r\n[NET DIRS]\r\nD:\r\n[LOG]\r\n[WIZ]\r\n'
        printf '0000000000000000000\r\n[COMM]\r\n[GEN]\r\n11\r\n'
    } >"$data/$name.bus"
}
first=$(date -d "@$((now + 90))" +%H:%M:%S)
second=$(date -d "@$((now + 150))" +%H:%M:%S)
write_set docs "$first"
write_set accounts "$second"

{
    printf '[General]\nFirst=0\nSplash=0\nA%%20Quit=1\nMMode=1\nSkipMode=1\n'
    printf 'Timer%%20Interval=2000\nLocal%%20Mode=1\nL%%20Options=0\n'
    printf 'Zip%%20Temp=%s\n' "$(ini "$(winpath "$work/tmp")")"
    printf 'SActive0=1\nSHType0=0\nFName0=%s\nST0=%s\n' "$(ini "$(winpath "$data/docs.bus")")" "$first"
    printf 'SActive1=1\nSHType1=0\nFName1=%s\nST1=%s\n' \
        "$(ini "$(winpath "$data/accounts.bus")")" "$second"
    for n in 2 3 4 5 6 7; do printf 'SActive%d=0\nFName%d=UNASSIGNED\nST%d=23:59:59\n' $n $n $n; done
    printf '\n[Drives]\nD=%s\n' "$work/drive-d"
} >"$work/config/Keelwick/Pelvor.conf"

echo "docs due at $first, accounts at $second"
"$program" >"$work/out" 2>&1 &
app=$!
log="$data/Harbex.log"
# The day is over when the log names the second set's copy; five minutes is far beyond it.
deadline=$((SECONDS + 300))
until [ -f "$log" ] && grep -q "ledger.txt" "$log"; do
    [ $SECONDS -lt $deadline ] || fail "the second set was not backed up within 300 s"
    kill -0 "$app" 2>/dev/null || fail "the program ended before the day's sequence"
    sleep 1
done
echo "ok: the day's sequence finished $((SECONDS)) s after the start"
kill -0 "$app" 2>/dev/null || fail "the program did not stay running for the next day"

today="$work/drive-d/$(date +%A)"
for copy in report.txt ledger.txt; do
    [ -f "$today/$copy" ] || fail "$copy is not in $(basename "$today")"
done
cmp -s "$work/src/docs/report.txt" "$today/report.txt" || fail "report.txt differs"
cmp -s "$work/src/accounts/ledger.txt" "$today/ledger.txt" || fail "ledger.txt differs"
echo "ok: both sets' files are in $(basename "$today")"
report=$(grep -n "report.txt" "$log" | head -n 1 | cut -d: -f1)
ledger=$(grep -n "ledger.txt" "$log" | head -n 1 | cut -d: -f1)
[ -n "$report" ] && [ "$report" -lt "$ledger" ] || fail "the log does not report docs before accounts"
echo "ok: one log, docs reported before accounts"
cat "$log"
