# The tool as a screen reader reads it, through the real AT-SPI bus: the
# main window's texts, spots and buttons by name, an hour recorded by an
# assistive action and announced, and the whole help text.
# Its own D-Bus session, so that the accessibility bus and everything read
# there belong to this test alone.
[[ -n "${E2E_PRIVATE_SESSION:-}" ]] || E2E_PRIVATE_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_accessibility_bus
e2e_start_tool "$1"

# What the main window offers a screen reader, listed by the window itself
# (the French start-up, as the tool's here).
[[ -x "${LOXANE_MAIN_WINDOW_READING:-}" ]] || e2e_fail "LOXANE_MAIN_WINDOW_READING names no program (run through ctest)"
offered=$(QT_QPA_PLATFORM=offscreen "$LOXANE_MAIN_WINDOW_READING") || e2e_fail "the window's own listing failed"

# Debian's own Python, which holds pyatspi; another one may come first on
# the PATH.
printf '%s\n' "$offered" | /usr/bin/python3 "$(dirname "$0")/accessibility_reader.py" "$(basename "$1")" "$E2E_TITLE" \
    || e2e_fail "the screen reader's view of the tool is wrong (see above)"
echo "accessibility: texts, spots, buttons, an action with its announcement and the help text read"
