# Started where no window can be opened, the tool says so in one line of its
# own and fails plainly: status 1, never an abort, and none of Qt's advice to
# reinstall: with no X and no Wayland, a dead X display or Wayland socket, a
# platform forced with QT_QPA_PLATFORM whose plugin is missing, or one forced
# with no server behind it. The line names what failed.
source "$(dirname "$0")/lib.sh"

# Runs the tool with the given environment changes; sets E2E_STATUS and
# leaves its messages in $E2E_WORK/tool.log.
run_without_display() {
    E2E_STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 30 "${E2E_RUN:-$E2E_BINARY}" \
        >"$E2E_WORK/tool.log" 2>&1 || E2E_STATUS=$?
}

expect_plain_failure() {
    local case=$1
    [[ $E2E_STATUS -eq 1 ]] || e2e_fail "$case: status $E2E_STATUS, expected 1 ($(cat "$E2E_WORK/tool.log"))"
    grep -q 'no window can be opened' "$E2E_WORK/tool.log" \
        || e2e_fail "$case: no clear message in: $(cat "$E2E_WORK/tool.log")"
    [[ $(wc -l <"$E2E_WORK/tool.log") -eq 1 ]] \
        || e2e_fail "$case: more than the tool's own line: $(cat "$E2E_WORK/tool.log")"
    ! grep -q 'Reinstalling' "$E2E_WORK/tool.log" || e2e_fail "$case: Qt's advice to reinstall is shown"
}

E2E_BINARY=$1

run_without_display
expect_plain_failure "no display at all"

# A display number with no server behind it.
number=4711
while [[ -e /tmp/.X11-unix/X$number ]]; do number=$((number + 1)); done
run_without_display DISPLAY=":$number"
expect_plain_failure "display :$number that does not exist"
grep -q ":$number" "$E2E_WORK/tool.log" || e2e_fail "the message does not name display :$number"

# The line says what failed, and so what to do.
expect_said() {
    grep -q -- "$2" "$E2E_WORK/tool.log" || e2e_fail "$1: the line does not say \"$2\": $(cat "$E2E_WORK/tool.log")"
}

# A platform Qt does not have.
run_without_display QT_QPA_PLATFORM=nosuch
expect_plain_failure "an unknown platform"
expect_said "an unknown platform" 'no platform plugin "nosuch"'

# A Wayland session whose compositor is gone, with no X beside it: the line
# speaks of Wayland, not of X alone.
e2e_private_runtime_dir
run_without_display WAYLAND_DISPLAY=wayland-gone
expect_plain_failure "a dead Wayland socket"
expect_said "a dead Wayland socket" "no Wayland compositor answers on wayland-gone"

run_without_display QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-gone
expect_plain_failure "Wayland forced with no compositor"
expect_said "Wayland forced with no compositor" "QT_QPA_PLATFORM=wayland"

# With no runtime folder the Wayland library has its own complaint, which
# is not shown beside the line.
run_without_display -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-0
expect_plain_failure "Wayland forced with no runtime folder"
expect_said "Wayland forced with no runtime folder" "XDG_RUNTIME_DIR is not"

# Forced, where Qt's Wayland plugin is not installed.
E2E_RUN=$(e2e_tool_with_platforms "$E2E_BINARY" xcb)
run_without_display QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-gone
expect_plain_failure "Wayland forced without its plugin"
expect_said "Wayland forced without its plugin" "install qt6-wayland"
E2E_RUN=

echo "no display: one plain line and status 1"
