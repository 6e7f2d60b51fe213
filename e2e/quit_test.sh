# "Exit" ends the tool with both windows; the main window's close box does
# not: an open help window keeps the tool running until it is closed too.
source "$(dirname "$0")/lib.sh"
e2e_start_display wm

open_help() {
    e2e_window_geometry
    e2e_click 4476 4926 # "Aide"
    e2e_wait_window Aide >/dev/null || e2e_fail "no help window"
}

expect_ended_with_no_window() {
    e2e_wait_tool_exit
    [[ $E2E_TOOL_STATUS -eq 0 ]] || e2e_fail "the tool ended with status $E2E_TOOL_STATUS"
    [[ $(e2e_window_count "$E2E_TITLE") -eq 0 && $(e2e_window_count Aide) -eq 0 ]] || e2e_fail "a window outlived the tool"
}

e2e_start_tool "$1"
open_help
wmctrl -i -a "$E2E_WINDOW" # the help window covers the button strip
sleep 0.5
e2e_window_geometry
e2e_click 3786 4926 # "Exit"
expect_ended_with_no_window

e2e_start_tool "$1"
open_help
wmctrl -F -c "$E2E_TITLE"
sleep 1
kill -0 "$E2E_TOOL_PID" 2>/dev/null || e2e_fail "closing the main window ended the tool while help was open"
! e2e_window_shown "$E2E_WINDOW" || e2e_fail "the main window did not close"
e2e_window_shown "$(e2e_wait_window Aide)" || e2e_fail "the help window closed with the main window"
wmctrl -F -c Aide
expect_ended_with_no_window
echo "quit: Exit ends the tool; the close box leaves it running while help is open"
