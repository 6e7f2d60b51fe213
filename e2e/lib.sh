# Shared steps of the end-to-end tests: a private X server, the real tool in
# it, pointer actions in twips, and pixels read from screenshots.
# Source it, then call e2e_start_display and e2e_start_tool.
set -euo pipefail
# shellcheck source=scripts/x-session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/x-session.sh"

E2E_TWIPS_PER_PIXEL=15
E2E_WORK=$(mktemp -d)
E2E_PIDS=()

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

e2e_fail() { fail "$@"; }

# Starts Xvfb on a free display and, with "wm", a window manager that draws
# frames and honours close requests.
e2e_start_display() {
    # The tool would prefer a Wayland compositor of the session running the
    # tests to this X server.
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    start_xvfb
    E2E_PIDS+=("$XVFB_PID")
    if [[ "${1:-}" == wm ]]; then
        openbox --sm-disable >/dev/null 2>&1 &
        E2E_PIDS+=($!)
        for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    fi
}

# Starts an accessibility bus in the test's own D-Bus session (a test that
# reads the tool as a screen reader does runs under dbus-run-session), and
# has the tool started after it expose itself there whether or not a screen
# reader has said it listens.
e2e_start_accessibility_bus() {
    start_accessibility_bus
    E2E_PIDS+=("$ACCESSIBILITY_BUS_PID")
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
}

# Starts the tool, with the environment changes given after it, and waits
# for its main window; E2E_WINDOW is its X id and E2E_TITLE its caption. The
# version comes from the build of $E2E_BUILD, by default the binary's own.
# The locale is LC_ALL=$E2E_LOCALE, French by default; with E2E_LOCALE set
# but empty, no locale variable is set but those given.
e2e_start_tool() {
    local binary=$1
    shift
    use_version_of_build "${E2E_BUILD:-$binary}"
    E2E_TITLE=$LOXANE_TITLE
    local locale=(-u LC_ALL -u LC_CTYPE -u LC_NUMERIC -u LC_MESSAGES -u LANG -u LANGUAGE)
    [[ -z ${E2E_LOCALE-fr_FR.UTF-8} ]] || locale=(LC_ALL="${E2E_LOCALE-fr_FR.UTF-8}")
    env "${locale[@]}" "$@" "$binary" >"$E2E_WORK/tool.log" 2>&1 &
    E2E_TOOL_PID=$!
    E2E_PIDS+=($E2E_TOOL_PID)
    E2E_WINDOW=$(wait_for_window "$E2E_TOOL_PID") || {
        sed 's/^/tool: /' "$E2E_WORK/tool.log" >&2
        xwininfo -root -tree | grep -i -E 'loxane|aide' | sed 's/^/window: /' >&2
        exit 1
    }
    sleep 0.5 # let the first frame reach the screen
}

# Prints the id of the window whose title is exactly $1, waiting up to 10 s.
e2e_wait_window() {
    local title=$1 id
    for _ in $(seq 50); do
        for id in $(xdotool search --name "^$(e2e_regex_quote "$title")\$" 2>/dev/null); do
            if [[ "$(xdotool getwindowname "$id")" == "$title" ]]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

e2e_regex_quote() { sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$1"; }

# Sets E2E_X, E2E_Y (client origin on screen) and E2E_W, E2E_H (client size).
# xwininfo, not xdotool: under a window manager xdotool counts the frame twice.
e2e_window_geometry() {
    local info
    info=$(xwininfo -id "${1:-$E2E_WINDOW}")
    E2E_X=$(awk '/Absolute upper-left X/ { print $4 }' <<<"$info")
    E2E_Y=$(awk '/Absolute upper-left Y/ { print $4 }' <<<"$info")
    E2E_W=$(awk '/Width:/ { print $2 }' <<<"$info")
    E2E_H=$(awk '/Height:/ { print $2 }' <<<"$info")
}

# Screen position, in pixels, of a point given in the window's twips.
e2e_screen_x() { echo $((E2E_X + $1 / E2E_TWIPS_PER_PIXEL)); }
e2e_screen_y() { echo $((E2E_Y + $1 / E2E_TWIPS_PER_PIXEL)); }

# Screenshot of the whole screen as 8-bit pixels.
e2e_shot() { import -window root -depth 8 "$1"; }

# Prints "R G B" of the screenshot pixel at a point given in window twips.
e2e_pixel() {
    local shot=$1 x y
    x=$(e2e_screen_x "$2")
    y=$(e2e_screen_y "$3")
    convert "$shot" -format '%[fx:int(255*p{'"$x,$y"'}.r)] %[fx:int(255*p{'"$x,$y"'}.g)] %[fx:int(255*p{'"$x,$y"'}.b)]' info:
}

# Succeeds when some pixel within $5 pixels of a point (window twips) has
# the colour $4: green, grey, red, blue, palepink, palegreen or dark (a grey
# under 100).
e2e_has_colour_near() {
    local shot=$1 x y radius=${5:-2}
    x=$(e2e_screen_x "$2")
    y=$(e2e_screen_y "$3")
    convert "$shot" -crop "$((2 * radius + 1))x$((2 * radius + 1))+$((x - radius))+$((y - radius))" +repage \
        -depth 8 txt:- | sed -n 's/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | awk -v cond="$4" '
        { r = $1; g = $2; b = $3
          if (cond == "green" && g > 150 && r < 120 && b < 120) found = 1
          if (cond == "grey" && r > 120 && g > 120 && b > 120 && r - b < 40 && b - r < 40) found = 1
          if (cond == "red" && r > 150 && g < 120 && b < 120) found = 1
          if (cond == "blue" && b > 150 && r < 120 && g < 120) found = 1
          if (cond == "palepink" && r > 200 && g > 140 && g < 230 && b > 140 && b < 230 && r - g > 25) found = 1
          if (cond == "palegreen" && g > 200 && r > 140 && r < 230 && b > 140 && b < 230 && g - r > 25) found = 1
          if (cond == "dark" && r < 100 && g < 100 && b < 100 && r - b < 20 && b - r < 20) found = 1 }
        END { exit(found ? 0 : 1) }'
}

# Fails the test, saying $6, unless a pixel near the point has the colour.
e2e_expect_colour() {
    e2e_has_colour_near "$1" "$2" "$3" "$4" "$5" || e2e_fail "$6"
}

# Fails the test, saying $6, if any pixel near the point has the colour.
e2e_expect_no_colour() {
    if e2e_has_colour_near "$1" "$2" "$3" "$4" "$5"; then e2e_fail "$6"; fi
}

# Pointer actions at points given in window twips.
e2e_move() { xdotool mousemove "$(e2e_screen_x "$1")" "$(e2e_screen_y "$2")"; }
e2e_click() { e2e_move "$1" "$2"; sleep 0.1; xdotool click 1; sleep 0.3; }

# Drags with the left button from ($1,$2) to ($3,$4) in $5 steps, pausing
# between moves so that none is merged away.
e2e_drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 steps=${5:-20} i
    e2e_move "$x1" "$y1"
    sleep 0.1
    xdotool mousedown 1
    for ((i = 1; i <= steps; i++)); do
        e2e_move $((x1 + (x2 - x1) * i / steps)) $((y1 + (y2 - y1) * i / steps))
        sleep 0.02
    done
    xdotool mouseup 1
    sleep 0.3
}

# Prints the window manager's frame around window $1 as "left right top
# bottom" in pixels, all 0 when nothing frames it.
e2e_frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',')
    echo "${extents:-0 0 0 0}"
}

# Succeeds while window $1 exists and is shown on the screen.
e2e_window_shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Prints how many windows are titled exactly $1.
e2e_window_count() {
    local title=$1 id count=0
    for id in $(xdotool search --name "^$(e2e_regex_quote "$title")\$" 2>/dev/null); do
        [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$title" ]] && count=$((count + 1))
    done
    echo "$count"
}

# Waits up to $1 seconds (10 by default) for the tool to end; E2E_TOOL_STATUS
# is its exit status.
e2e_wait_tool_exit() {
    local tenths=$((${1:-10} * 10))
    while kill -0 "$E2E_TOOL_PID" 2>/dev/null && ((tenths-- > 0)); do sleep 0.1; done
    kill -0 "$E2E_TOOL_PID" 2>/dev/null && e2e_fail "the tool is still running"
    E2E_TOOL_STATUS=0
    wait "$E2E_TOOL_PID" || E2E_TOOL_STATUS=$?
}

# Fails the test unless the tool has said nothing.
e2e_expect_silent() {
    [[ ! -s "$E2E_WORK/tool.log" ]] || e2e_fail "$1: the tool said: $(cat "$E2E_WORK/tool.log")"
}

# A copy of the tool that finds only the given Qt platform plugins.
e2e_tool_with_platforms() { program_with_platforms "$E2E_WORK" "$@"; }

# A Wayland session's runtime folder, private to the test (mode 0700).
e2e_private_runtime_dir() {
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
    [[ -d $XDG_RUNTIME_DIR ]] || mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

# Starts weston on the X display; its socket is E2E_WAYLAND.
e2e_start_weston() {
    start_weston "$E2E_WORK/runtime"
    E2E_PIDS+=("$WESTON_PID")
    E2E_WAYLAND=$WAYLAND_NAME
}

# Finds a window by the colour of its ground, $2 ("R,G,B"), in the
# screenshot $1, and sets E2E_X, E2E_Y, E2E_W, E2E_H to the box of that
# colour: under a compositor no window can be asked where it is. Fails when
# no pixel has the colour.
e2e_find_by_colour() {
    local box
    box=$(convert "$1" +transparent "rgb($2)" -alpha extract -format '%@' info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ && ${BASH_REMATCH[1]} -gt 1 ]] || return 1
    E2E_W=${BASH_REMATCH[1]} E2E_H=${BASH_REMATCH[2]} E2E_X=${BASH_REMATCH[3]} E2E_Y=${BASH_REMATCH[4]}
}

# Prints the rows, top and bottom, of the run of pixels unlike the colour $4
# ("R,G,B") in column $2 of the screenshot $1 that holds row $3: a window's
# whole height, frame included, on a plain ground.
e2e_run_in_column() {
    convert "$1" -crop "1x$(identify -format '%h' "$1")+$2+0" +repage -depth 8 txt:- \
        | sed -n 's/^0,\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2,\3,\4/p' \
        | awk -v row="$3" -v ground="$4" '
            $2 == ground { if ($1 < row) top = $1 + 1; else if (!bottom) bottom = $1 - 1 }
            END { print top + 0, (bottom ? bottom : NR - 1) }'
}
