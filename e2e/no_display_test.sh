# Started where no window can be opened, the tool says so in one line of its
# own and fails plainly: status 1, never an abort, and none of Qt's advice to
# reinstall. Any other fatal message of Qt's goes through as Qt gives it.
source "$(dirname "$0")/lib.sh"

# Runs the tool with the given environment changes; sets E2E_STATUS and
# leaves its messages in $E2E_WORK/tool.log.
run_without_display() {
    E2E_STATUS=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 30 "$E2E_BINARY" \
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

# A platform Qt does not have is not a missing display: Qt's own message.
run_without_display QT_QPA_PLATFORM=nosuch
grep -q 'no Qt platform plugin could be initialized' "$E2E_WORK/tool.log" \
    || e2e_fail "an unknown platform: Qt's message is missing from: $(cat "$E2E_WORK/tool.log")"
! grep -q 'no window can be opened' "$E2E_WORK/tool.log" \
    || e2e_fail "an unknown platform is reported as a missing display"

echo "no display: one plain line and status 1; other fatal messages as Qt gives them"
