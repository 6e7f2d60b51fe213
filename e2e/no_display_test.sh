# Started where no window can be opened, the tool says so and fails
# plainly: status 1, never an abort.
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

echo "no display: plain message and status 1"
