#!/bin/bash
# Runs the real program unattended, as a machine that backs up at log-in would: a fresh home
# whose settings are already there (not the first start, "Close Harbex After Automatic
# Actions" on) and a set that runs when the program starts, copying a small folder tree into
# today's daily folder on drive D:. The program must count down, back up, write the log and
# end by itself with exit status 0; every copy must equal its source byte for byte.
# Usage: scripts/unattended-run.sh path/to/harbex
# Exit status: 0 passed, 1 failed, 77 skipped (a build without the backup run).
set -u

program=${1:?usage: $0 path/to/harbex}
work=$(mktemp -d)
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    [ -s "$work/out" ] && tail -n 20 "$work/out"
    for log in "$data"/*.log; do [ -f "$log" ] && echo "$log:" && cat "$log"; done
    exit 1
}

# A fresh home: nothing of the user running the script is read or written.
mkdir -p "$work/home" "$work/config/Keelwick" "$work/data/Harbex" "$work/tmp" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LC_ALL=C
export ASAN_OPTIONS=detect_leaks=0
unset HARBEX_HOME DISPLAY
data="$work/data/Harbex"

# C: is the host's root, so every host path has a program path; D: is the backup drive.
winpath() { echo "C:$1" | tr '/' '\\'; }
ini() { echo "$1" | sed 's/\\/\\\\/g'; }  # the settings file escapes backslashes
mkdir -p "$work/drive-d"
for day in Sunday Monday Tuesday Wednesday Thursday Friday Saturday; do
    mkdir -p "$work/drive-d/$day"
done

# The sources: a small tree with text, binary and empty files, and names with blanks.
src="$work/src"
mkdir -p "$src/letters/old" "$src/photos"
printf 'Dear Sir,\r\nthe report follows.\r\n' >"$src/letters/report.txt"
printf 'an old letter\n' >"$src/letters/old/1999 letter.txt"
head -c 300000 /dev/urandom >"$src/photos/holiday.jpg"
: >"$src/photos/empty.dat"
(cd "$src" && find . -type f | sort) >"$work/sources"

set_file="$data/atlogin.bus"
{
    printf '[FILTERS]\r\n*.*\r\n[DIRS]\r\n%s\r\n' "$(winpath "$src")"
    printf '[PARAMS]\r\n-u -s\r\n[SHED]\r\n0\r\n1\r\n1\r\n13:55:09\r\n0\r\n[AUTO]\r\n2\r\n'
    printf '[DIS DRIVES]\r\n[DAYS]\r\nUSE1234567\r\n[NAMESET]\r\n1\r\n[SPECIFIC]\r\n0\r\n'
    printf '[ZIP TYPE]\r\n00\r\n[ZIP CORE]\r\natlogi\r\n[COMP]\r\n0\r\n[NAMES]\r\nNOFILE\r\n'
    printf '[NET DIRS]\r\nD:\r\n[LOG]\r\n[WIZ]\r\n0000000000000000000\r\n[COMM]\r\n[GEN]\r\n11\r\n'
} >"$set_file"

cat >"$work/config/Keelwick/Pelvor.conf" <<EOF
[General]
First=0
Splash=0
A%20Quit=1
Bus%20File=$(ini "$(winpath "$set_file")")
Timer%20Interval=2000
Zip%20Temp=$(ini "$(winpath "$work/tmp")")
Local%20Mode=1
L%20Options=0

[Drives]
D=$work/drive-d
EOF

# Countdown (2 s) + run + 10 s, with room for a slow (sanitized) build to start.
start=$SECONDS
"$program" >"$work/out" 2>&1 &
app=$!
deadline=$((SECONDS + 60))
while kill -0 "$app" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
kill -0 "$app" 2>/dev/null && fail "the program did not close itself within 60 s"
wait "$app"
status=$?
app=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "ok: the program closed itself after $((SECONDS - start)) s"

log="$data/Harbex.log"
[ -s "$log" ] || fail "no log file was written"
if grep -q "Backup runs are not available in this version" "$log"; then
    echo "SKIPPED: this build has no backup run yet; the countdown, the log and the close worked"
    exit 77
fi
today="$work/drive-d/$(date +%A)"
count=0
while IFS= read -r file; do
    copy="$today/$(basename "$file")"
    [ -f "$copy" ] || fail "$file was not copied to $copy"
    cmp -s "$src/$file" "$copy" || fail "$copy differs from its source"
    count=$((count + 1))
done <"$work/sources"
echo "ok: $count files in $(basename "$today"), equal to their sources"
grep -q "report.txt" "$log" || fail "the log does not name the copies"
echo "ok: the log names the copies"
