#!/usr/bin/env bash
# A real screen reader beside the tool, every part of it private to one run:
# Xvfb, a D-Bus session with its accessibility bus, openbox, speech-dispatcher
# speaking into a null sound device, a French locale compiled into a private
# folder, and Orca, whose speech is read from its debug log.
#
# Sourced (by the end-to-end tests):
#   orca_session_start WORK     everything up to Orca saying it is ready
#   orca_start_tool BINARY      the tool under it, waited for (ORCA_TOOL_PID)
#   orca_mark; orca_key Tab space; orca_wait_said 'Heure 1'; orca_said
#   orca_session_stop           ends everything started, by process id
# Run (to hear the tool by hand): each line read is given to `xdotool key`
# (or is "sleep SECONDS"), and what Orca says after it is printed:
#   printf 'Tab\nspace\n' | bash scripts/orca-session.sh build/test/src/app/loxane
# With ORCA_KEEP=1 the work folder (Orca's log in orca.log) is kept.
# shellcheck source=scripts/x-session.sh
source "$(dirname "${BASH_SOURCE[0]}")/x-session.sh"

ORCA_READY="Lecteur d’écran activé." # with a typographic apostrophe
ORCA_PIDS=()

# Folders of a user who has never run anything: Orca and speech-dispatcher
# write their settings there, not into the real user's.
orca_private_folders() {
    export HOME=$ORCA_WORK/home XDG_RUNTIME_DIR=$ORCA_WORK/runtime XDG_CONFIG_HOME=$ORCA_WORK/config \
        XDG_DATA_HOME=$ORCA_WORK/data XDG_CACHE_HOME=$ORCA_WORK/cache
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

# Orca and the tool speak French whatever locales the system has: the C
# library finds this one through LOCPATH.
orca_french_locale() {
    mkdir "$ORCA_WORK/locale"
    localedef -i fr_FR -f UTF-8 "$ORCA_WORK/locale/fr_FR.UTF-8" >/dev/null 2>&1 || true
    [[ -f "$ORCA_WORK/locale/fr_FR.UTF-8/LC_CTYPE" ]] || fail "localedef could not compile fr_FR.UTF-8"
    ORCA_LOCALE=(LOCPATH="$ORCA_WORK/locale" LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL=fr_FR.UTF-8)
}

# With no sound device espeak-ng blocks on its audio output and Orca hangs at
# its second utterance; a null ALSA device takes the sound and drops it.
orca_silent_speech() {
    cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
    sed -i 's/^#* *AudioOutputMethod .*/AudioOutputMethod "alsa"/' "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
}

# A session bus of our own (not dbus-run-session, so that a sourcing script
# keeps its shell), then the accessibility bus in it.
orca_buses() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$ORCA_WORK/bus" >/dev/null 2>&1 &
    ORCA_SESSION_BUS_PID=$!
    for _ in $(seq 100); do [[ -s "$ORCA_WORK/bus" ]] && break; sleep 0.05; done
    [[ -s "$ORCA_WORK/bus" ]] || fail "no D-Bus session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$ORCA_WORK/bus")
    export DBUS_SESSION_BUS_ADDRESS
    start_accessibility_bus
}

# Orca refuses to start while any other Orca of the same user runs, even one
# on another bus and display (another test run); the launcher below skips
# only that check. Its debug file is block-buffered: opened line-buffered
# here, each utterance can be read as soon as it is said.
orca_launch() {
    ORCA_LOG=$ORCA_WORK/orca.log
    env "${ORCA_LOCALE[@]}" /usr/bin/python3 - "--debug-file=$ORCA_LOG" >"$ORCA_WORK/orca.out" 2>&1 <<'EOF' &
import builtins, sys
log = sys.argv[1].split("=", 1)[1]
sys.argv = ["orca", sys.argv[1]]
launcher = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
launcher["open"] = lambda name, mode="r", *rest, **named: (
    builtins.open(name, mode, 1) if name == log else builtins.open(name, mode, *rest, **named))
with builtins.open("/usr/bin/orca") as source:
    exec(compile(source.read(), "/usr/bin/orca", "exec"), launcher)
launcher["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
EOF
    ORCA_PID=$!
    for _ in $(seq 600); do
        grep -qF "SPEECH OUTPUT: '$ORCA_READY'" "$ORCA_LOG" 2>/dev/null && return 0
        kill -0 "$ORCA_PID" 2>/dev/null || break
        sleep 0.1
    done
    sed 's/^/orca: /' "$ORCA_WORK/orca.out" >&2
    fail "Orca did not say \"$ORCA_READY\" within 60 s"
}

orca_session_start() {
    ORCA_WORK=$1
    orca_private_folders
    orca_french_locale
    orca_silent_speech
    orca_buses
    start_xvfb
    ORCA_PIDS+=("$XVFB_PID")
    openbox --sm-disable >/dev/null 2>&1 &
    ORCA_PIDS+=($!)
    for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
    orca_launch
}

# Starts the tool in French and waits for its main window and
# for Orca to speak its title. The accessibility bridge comes on by itself:
# Orca has said it listens.
orca_start_tool() {
    local binary=$1
    use_version_of_build "$binary"
    orca_mark
    unset WAYLAND_DISPLAY
    env "${ORCA_LOCALE[@]}" QT_QPA_PLATFORM=xcb "$binary" >"$ORCA_WORK/tool.log" 2>&1 &
    ORCA_TOOL_PID=$!
    ORCA_PIDS+=("$ORCA_TOOL_PID")
    wait_for_window "$ORCA_TOOL_PID" >/dev/null || { sed 's/^/tool: /' "$ORCA_WORK/tool.log" >&2; exit 1; }
    orca_hear_window "$binary" "$LOXANE_TITLE"
}

# Waits until Orca speaks the title $2 of window $1, or at least knows the
# program. The program may show and activate its window before its
# accessibility bridge has connected (seen about one start in four on a
# busy machine): Orca then never hears of that activation, and speaks
# nothing until the focus moves; the first key pressed works as usual.
orca_hear_window() {
    orca_wait_said "$2" 5 && return 0
    for _ in $(seq 150); do
        tail -n +"$((ORCA_MARK + 1))" "$ORCA_LOG" | grep -qF "[application | $(basename "$1")]" && return 0
        sleep 0.1
    done
    fail "Orca does not know the program $(basename "$1")"
}

# Only what is said after the mark counts for orca_said and orca_wait_said.
orca_mark() { ORCA_MARK=$(wc -l <"$ORCA_LOG"); }

# Prints each utterance since the mark, one a line: what Orca speaks, and
# what it reads in say-all mode, which it logs apart. A text spoken over
# several lines has its line breaks shown as " / ".
orca_said() {
    tail -n +"$((${ORCA_MARK:-0} + 1))" "$ORCA_LOG" | awk '
        function flush() {
            if (speaking) {
                # The object read in say-all mode: Orca 43 names it in
                # brackets, Orca 48 as its Python object.
                sub(/^(\[[^]]*\]|<[^>]*>) /, "", text)
                sub(/^\047/, "", text)
                # What follows the text: the voice (Orca 48 nests it), or
                # the say-all offsets.
                sub(/\047 ?(\[?\{.*\}\]?|\([0-9]+-[0-9]+, current: [0-9]+\))?$/, "", text)
                sub(/( \/ )+$/, "", text)
                print text
            }
            speaking = 0
        }
        /^[0-9:.]+ - / { flush() }
        /^[0-9:.]+ - (SPEECH OUTPUT|DEFAULT:? SAY ALL): / {
            sub(/^[0-9:.]+ - [A-Z :]+: /, ""); text = $0; speaking = 1; next
        }
        /^                  / && speaking { sub(/^ +/, ""); text = text " / " $0; next }
        { flush() }
        END { flush() }'
}

# Waits up to $2 seconds (15 by default: a loaded machine slows Orca
# down) until Orca has said something that holds the text $1 since the mark.
orca_wait_said() {
    local tenths=$((${2:-15} * 10))
    while ((tenths-- > 0)); do
        orca_said | grep -qF -- "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Presses each key (xdotool names: Tab, space, Up, shift+Tab, KP_Add...) in
# the focused window, leaving Orca time to speak between them.
orca_key() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.4
    done
}

# Ends what was started, each by its own id: Orca ignores SIGTERM while idle,
# and speech-dispatcher, started by Orca, has left the process group.
orca_session_stop() {
    local pid
    [[ -z "${ORCA_PID:-}" ]] || kill -KILL "$ORCA_PID" 2>/dev/null || true
    pid=$(cat "${XDG_RUNTIME_DIR:-/nonexistent}/speech-dispatcher/pid/speech-dispatcher.pid" 2>/dev/null || true)
    [[ -z "$pid" ]] || kill "$pid" 2>/dev/null || true
    for pid in "${ORCA_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    [[ -z "${ACCESSIBILITY_BUS_PID:-}" ]] || kill -- "-$ACCESSIBILITY_BUS_PID" 2>/dev/null || true
    [[ -z "${ORCA_SESSION_BUS_PID:-}" ]] || kill "$ORCA_SESSION_BUS_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    [[ -n "${ORCA_KEEP:-}" || -z "${ORCA_WORK:-}" ]] || rm -rf "$ORCA_WORK"
    return 0
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
    set -euo pipefail
    [[ $# -ge 1 ]] || fail "usage: $0 PROGRAM < keys"
    trap orca_session_stop EXIT
    orca_session_start "$(mktemp -d)"
    [[ -z "${ORCA_KEEP:-}" ]] || echo "work folder: $ORCA_WORK" >&2
    orca_start_tool "$1"
    sleep 1
    orca_said | sed 's/^/< /'
    while read -r line; do
        orca_mark
        case $line in
            sleep\ *) sleep "${line#sleep }" ;;
            *) orca_key "$line"; sleep 1 ;;
        esac
        echo "> $line"
        orca_said | sed 's/^/  /'
    done
fi
