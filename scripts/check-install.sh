#!/bin/bash
# Installs a build into a fresh prefix and checks the installed tree, or one of its files with the
# platform's validator.
# Usage: scripts/check-install.sh BUILD_DIR tree|desktop|appstream|systemd
#   tree       the files are where they belong, the program runs from the link in bin and finds
#              its engine modules beside itself (a compressed backup from the command line)
#   desktop    desktop-file-validate on the desktop entry
#   appstream  appstreamcli validate on the AppStream metadata (no network)
#   systemd    systemd-analyze verify on the example service and timer
# Exit status: 0 passed, 1 failed, 77 skipped (the validator is not installed).
set -u
build=${1:?usage: $0 BUILD_DIR tree|desktop|appstream|systemd}
what=${2:?usage: $0 BUILD_DIR tree|desktop|appstream|systemd}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*"
    exit 1
}
need() {
    command -v "$1" >/dev/null 2>&1 || { echo "skipped: $1 is not installed"; exit 77; }
}
case $what in
    desktop) need desktop-file-validate ;;
    appstream) need appstreamcli ;;
    systemd) need systemd-analyze ;;
    tree) ;;
    *) fail "unknown check $what" ;;
esac

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; }
share="$prefix/share"
lib=$(dirname "$(readlink -f "$prefix/bin/harbex")")

case $what in
desktop)
    desktop-file-validate "$share/applications/com.keelwick.harbex.desktop" ||
        fail "desktop-file-validate"
    echo "desktop-file-validate: no problems"
    ;;
appstream)
    appstreamcli validate --no-net --pedantic "$share/metainfo/com.keelwick.harbex.metainfo.xml" ||
        fail "appstreamcli validate"
    ;;
systemd)
    units="$share/harbex/systemd"
    grep -qx "ExecStart=$prefix/bin/harbex --run default.bus.*" "$units/harbex-backup.service" ||
        grep -q "^ExecStart=$prefix/bin/harbex --run" "$units/harbex-backup.service" ||
        fail "the service does not start the installed program"
    # The timer starts the service of its own name; both are checked together.
    out=$(cd "$units" && SYSTEMD_LOG_LEVEL=notice systemd-analyze verify \
        ./harbex-backup.service ./harbex-backup.timer 2>&1)
    status=$?
    echo "$out"
    [ $status -eq 0 ] || fail "systemd-analyze verify"
    echo "systemd-analyze verify: no problems"
    ;;
tree)
    for file in bin/harbex share/applications/com.keelwick.harbex.desktop \
        share/metainfo/com.keelwick.harbex.metainfo.xml \
        share/icons/hicolor/scalable/apps/harbex.svg \
        share/harbex/systemd/harbex-backup.service share/harbex/systemd/harbex-backup.timer; do
        [ -e "$prefix/$file" ] || fail "$file is missing"
    done
    for file in harbex harbexzip libharbexzipdll.so libharbexunzdll.so; do
        [ -f "$lib/$file" ] || fail "$file is not beside the program in $lib"
    done
    [ -L "$prefix/bin/harbex" ] || fail "bin/harbex is not a link"
    (cd "$prefix" && find . \( -type f -o -type l \) | sort)

    # A fresh home and one compressed set: the installed program must find its engine.
    mkdir -p "$work/home" "$work/config/Keelwick" "$work/data/Harbex" "$work/tmp" "$work/d/src"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export TMPDIR="$work/tmp" LC_ALL=C ASAN_OPTIONS=detect_leaks=0
    unset HARBEX_HOME DISPLAY
    printf 'one\r\n' >"$work/d/src/one.txt"
    printf 'two\r\n' >"$work/d/src/two.txt"
    printf '[Drives]\nD=%s\n' "$work/d" >"$work/config/Keelwick/Pelvor.conf"
    printf '%s\r\n' '[FILTERS]' '*.txt' '[DIRS]' 'D:\src' '[PARAMS]' '-u ' '[SHED]' 0 1 1 \
        '13:55:09' 0 '[AUTO]' 0 '[DIS DRIVES]' '[DAYS]' 'USE1234567' '[NAMESET]' 1 \
        '[SPECIFIC]' 0 '[ZIP TYPE]' 00 '[ZIP CORE]' 'Instal' '[COMP]' 1 '[NAMES]' 'NOFILE' \
        '[NET DIRS]' 'D:' '[LOG]' '[WIZ]' '0000000000000000000' '[COMM]' '[GEN]' 01 \
        >"$work/data/Harbex/packed.bus"
    "$prefix/bin/harbex" --version | grep -q '^Harbex ' || fail "--version"
    "$prefix/bin/harbex" --run packed >"$work/out" 2>"$work/err"
    status=$?
    cat "$work/out" "$work/err"
    [ $status -eq 0 ] || fail "the installed program's --run ended with $status"
    day=$(LC_ALL=C date +%A)
    zip=$(ls "$work/d/$day"/*.zip 2>/dev/null | head -n 1)
    [ -n "$zip" ] || fail "no archive in the daily folder $work/d/$day"
    unzip -l "$zip" | grep -q 'two.txt' || fail "the archive lacks two.txt"
    echo "installed tree: program, engine modules and utility beside it; --run made $(basename "$zip")"
    ;;
esac
exit 0
