# Shared by the end-to-end tests, the packaging check and the screenshot
# script (sourced, not run):
# a private X server and a way to wait for the tool's main window.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The main window's caption carries the CMake project's version. Sets
# LOXANE_VERSION and LOXANE_TITLE from the CMake build that holds $1 (a
# build folder, or a program built in one).
use_version_of_build() {
    local dir=$1
    [ -d "$dir" ] || dir=$(dirname "$dir")
    dir=$(cd "$dir" && pwd) || fail "no such path: $1"
    while [ ! -f "$dir/CMakeCache.txt" ] && [ "$dir" != / ]; do dir=$(dirname "$dir"); done
    LOXANE_VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt" 2>/dev/null)
    [ -n "$LOXANE_VERSION" ] || fail "$1 is not in a CMake build of the project: its version is unknown"
    LOXANE_TITLE="Loxane v$LOXANE_VERSION  "
}

# Starts Xvfb on a display number the server itself finds free, so two runs
# side by side never collide. -noreset: otherwise the server resets each time
# its last client leaves, and a program connecting during that reset is refused.
# Sets DISPLAY and XVFB_PID.
start_xvfb() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        if [ -s "$number_file" ]; then
            DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
            export DISPLAY
            rm -f "$number_file"
            wait_for_display
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    fail "Xvfb did not start"
}

# The number is written as the server starts listening; ask the server itself
# before handing the display over.
wait_for_display() {
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb on $DISPLAY accepts no client"
}

# Starts an accessibility bus in the current D-Bus session, which must be a
# private one (dbus-run-session), and waits until it answers. Sets
# ACCESSIBILITY_BUS_PID, which is also the id of the bus's own process
# group: its dbus-daemon outlives the launcher unless the group is ended. A
# Qt program started after it, with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1,
# exposes itself there as it would to a screen reader, and
# QAccessible::isActive() becomes true in it.
start_accessibility_bus() {
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no private D-Bus session: run under dbus-run-session"
    setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    ACCESSIBILITY_BUS_PID=$!
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "the accessibility bus did not start"
}

# Ends the given child processes (empty ids are skipped) and waits for them, so that an X server is
# gone, socket and all, before anything else may take its display number.
stop_processes() {
    local pid
    for pid in "$@"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# Prints the id of the visible window whose title is exactly LOXANE_TITLE
# (see use_version_of_build), waiting up to 20 s while the process APP_PID
# stays alive.
wait_for_window() {
    local app_pid=$1 id
    # xdotool matches a regular expression; anchor it so only the exact title counts.
    local pattern="^Loxane v${LOXANE_VERSION//./\\.}  \$"
    for _ in $(seq 200); do
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended before showing its window"
        for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id")" = "$LOXANE_TITLE" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    fail "no window titled \"$LOXANE_TITLE\" appeared within 20 s"
}

# Succeeds when window $1 carries a 48 x 48 icon, waiting up to 5 s: the
# title may be set, and the window found, a moment before the icon.
has_window_icon() {
    for _ in $(seq 50); do
        xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (48 x 48)' && return 0
        sleep 0.1
    done
    return 1
}

# Starts weston as a window on the X display, 1280 x 1024 with no panel, its
# socket in the runtime folder $1, made private (mode 0700) and exported as
# XDG_RUNTIME_DIR. Sets WAYLAND_NAME (the socket) and WESTON_PID.
start_weston() {
    export XDG_RUNTIME_DIR=$1
    [ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 0700 "$XDG_RUNTIME_DIR"
    printf '[shell]\npanel-position=none\nbackground-color=0xff505050\n' >"$XDG_RUNTIME_DIR/weston.ini"
    WAYLAND_NAME=wayland-loxane
    weston --config="$XDG_RUNTIME_DIR/weston.ini" --backend=x11-backend.so --use-pixman --width=1280 --height=1024 \
        --socket="$WAYLAND_NAME" --idle-time=0 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    WESTON_PID=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_NAME" ] && break; sleep 0.1; done
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_NAME" ] || fail "weston did not start: $(cat "$XDG_RUNTIME_DIR/weston.log")"
    sleep 1 # its window on the X display
}

# Prints the path of a copy, in a new folder under $1, of the program $2 that
# finds only the Qt platform plugins named after it (qt.conf beside it names
# its plugin folder), as on a system where the others are not installed.
program_with_platforms() {
    local dir plugin
    dir=$(mktemp -d "$1/plugins.XXXX")
    mkdir -p "$dir/plugins/platforms"
    for plugin in "${@:3}"; do
        ln -s "$(LC_ALL=C.UTF-8 qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libq$plugin.so" "$dir/plugins/platforms/"
    done
    cp "$2" "$dir/loxane"
    printf '[Paths]\nPlugins=%s/plugins\n' "$dir" >"$dir/qt.conf"
    echo "$dir/loxane"
}

# Waits up to 10 s for a pixel of the colour $1 ("R,G,B") on the X display,
# which shows what a compositor shows: the ground of a Wayland client's window.
wait_for_colour() {
    for _ in $(seq 30); do
        sleep 0.3
        case $(import -window root -depth 8 ppm:- | convert - +transparent "rgb($1)" -alpha extract -format '%@' info:) in
            0x0*) ;;
            *) return 0 ;;
        esac
    done
    return 1
}
