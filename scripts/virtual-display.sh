# Shared by the scripts that drive the real program on a virtual display; sourced, not run.
# The caller defines fail(); make_work gives it the work folder and the clean-up at the end.

# Ends the script as skipped (77) when the tools for a virtual display are missing; without the
# screenshot tool, $shots is cleared and no screenshots are taken.
check_display_tools() {
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
            exit 77
        fi
    done
    if [ -n "${shots:-}" ] && ! command -v import >/dev/null; then shots=""; fi
}

# A temporary work folder in $work. When the script ends, the program ($app) and the display
# ($xvfb) are stopped and the folder is removed.
make_work() {
    work=$(mktemp -d)
    xvfb=""
    app=""
    trap cleanup EXIT
}
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}

# Starts a virtual display of the given size (for example 1280x800) and exports DISPLAY. The
# number is a free one, taken only once our server holds its lock: other users of this machine
# may start servers at the same moment. Sets xvfb to the server's process id.
start_display() {
    local size=$1 number ready
    xvfb=""
    for _ in $(seq 20); do
        number=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$number-lock" ] && continue
        # -noreset: by default the server resets whenever its last client leaves, and a program
        # connecting during that reset fails to start ("could not connect to display").
        Xvfb ":$number" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        # A busy machine may take a while to start the server: wait for it, not for a time.
        ready=$((SECONDS + 20))
        while [ $SECONDS -lt $ready ] && kill -0 "$xvfb" 2>/dev/null &&
            [ ! -S "/tmp/.X11-unix/X$number" ]; do sleep 0.1; done
        if kill -0 "$xvfb" 2>/dev/null &&
            [ "$(tr -d ' \n' <"/tmp/.X$number-lock" 2>/dev/null)" = "$xvfb" ]; then
            export DISPLAY=":$number"
            break
        fi
        kill "$xvfb" 2>/dev/null
        xvfb=""
    done
    [ -n "$xvfb" ] || fail "no virtual display could be started"
    ready=$((SECONDS + 20))
    while [ $SECONDS -lt $ready ] && ! xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.1; done
    xdotool getdisplaygeometry >/dev/null 2>&1 || fail "the virtual display does not answer"
}

# A fresh home below a folder: nothing of the user running the script is read or written.
fresh_home() {
    local work=$1
    mkdir -p "$work/home" "$work/config" "$work/data" "$work/tmp" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime"
    unset HARBEX_HOME
    export ASAN_OPTIONS=detect_leaks=0 LC_ALL=C QT_QPA_PLATFORM=xcb
}

geometry() {  # prints X Y WIDTH HEIGHT of a window
    xdotool getwindowgeometry --shell "$1" 2>/dev/null |
        awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}'
}
# The largest visible window is the main window. A window whose size cannot be read yet (it is
# being mapped or unmapped) makes the answer empty: the caller looks again rather than take a
# dialog for the main window and answer the wrong one.
main_window() {
    local best="" area=0 ww wh
    for w in $(xdotool search --onlyvisible --name '.+' 2>/dev/null); do
        read -r _ _ ww wh <<<"$(geometry "$w")"
        [ -n "${ww:-}" ] && [ -n "${wh:-}" ] || return 0
        [ $((ww * wh)) -gt $area ] && area=$((ww * wh)) && best=$w
    done
    echo "$best"
}
dialogs() {  # visible windows other than the main window; none while the main window is unknown
    local main
    main=$(main_window)
    [ -n "$main" ] || return 0
    for w in $(xdotool search --onlyvisible --name '.+' 2>/dev/null); do
        [ "$w" != "$main" ] && echo "$w"
    done
}
# The first dialog, once it has stood still for a moment: a window caught while the windows are
# still changing is not answered, as a key meant for it could reach the next one.
settled_dialog() {
    local first second
    first=$(dialogs | head -n 1)
    [ -n "$first" ] || return 0
    sleep 0.2
    second=$(dialogs | head -n 1)
    [ "$first" = "$second" ] && echo "$first"
}

# Starts the program (output to $work/out, process id in $app) and answers whatever start-up
# asks with its default button, until the main window has been alone for two seconds.
start_and_answer() {
    local quiet=0 deadline=$((SECONDS + 90)) shown
    "$1" >"$work/out" 2>&1 &
    app=$!
    while [ $quiet -lt 10 ]; do
        [ $SECONDS -lt $deadline ] || fail "start-up did not settle"
        kill -0 "$app" 2>/dev/null || fail "the program ended during start-up"
        shown=$(settled_dialog)
        if [ -n "$shown" ]; then
            echo "answered: $(xdotool getwindowname "$shown")"
            xdotool windowfocus "$shown" 2>/dev/null
            xdotool key Return
            quiet=0
            sleep 0.7
        else
            [ -n "$(main_window)" ] && quiet=$((quiet + 1))
            sleep 0.2
        fi
    done
}
