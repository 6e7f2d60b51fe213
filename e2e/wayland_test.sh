# Under a real Wayland compositor (weston, which draws no title bars, so Qt
# draws its own), the tool runs as a native client: it starts silently with
# the same pixels as under X11, drags, survives every box of its title bar
# at its fixed size, brings a minimised help window back with "Aide", and
# quits. Without Qt's Wayland plugin, or with a dead Wayland socket, a
# session with X beside it gets the tool on X11, silently.
source "$(dirname "$0")/lib.sh"
TOOL=$1
e2e_start_display
e2e_private_runtime_dir
FORM1_GROUND=3,0,99 HELP_GROUND=1,0,66

# Form1's ground reaches its client area's right and bottom edges; its
# title-bar icon may carry the same colour higher up. Fails the test when
# the ground is not 468 pixels wide and at least 449 high, its fixed size.
find_form1() {
    e2e_find_by_colour "$1" "$FORM1_GROUND" || return 1
    ((E2E_W == 468 && E2E_H >= 449)) || e2e_fail "the main window's ground is ${E2E_W}x$E2E_H pixels"
    E2E_X=$((E2E_X + E2E_W - 468)) E2E_Y=$((E2E_Y + E2E_H - 449)) E2E_W=468 E2E_H=449
}
client_pixels() { convert "$1" -crop "${E2E_W}x$E2E_H+$E2E_X+$E2E_Y" +repage "$2"; }

# X11 beside a Wayland session whose compositor is gone, then beside one
# without Qt's Wayland plugin: the tool opens on X11 and says nothing.
e2e_start_tool "$TOOL" WAYLAND_DISPLAY=wayland-gone
e2e_expect_silent "a dead Wayland socket with X beside it"
stop_tool() { kill "$E2E_TOOL_PID"; wait "$E2E_TOOL_PID" 2>/dev/null || true; }
stop_tool
E2E_BUILD=$TOOL e2e_start_tool "$(e2e_tool_with_platforms "$TOOL" xcb)" WAYLAND_DISPLAY=wayland-gone
e2e_expect_silent "no Wayland plugin, X beside it"
# Active, as the compositor makes a new window: the focused button shows it.
# The pointer out of the way: weston draws it into its screenshots.
xdotool windowfocus --sync "$E2E_WINDOW" mousemove 0 0
sleep 1
e2e_window_geometry
e2e_shot "$E2E_WORK/x11.ppm"
client_pixels "$E2E_WORK/x11.ppm" "$E2E_WORK/x11-client.ppm"
stop_tool

# The tool itself picks Wayland: no QT_QPA_PLATFORM, no X display.
e2e_start_weston
env -u DISPLAY WAYLAND_DISPLAY="$E2E_WAYLAND" LC_ALL=fr_FR.UTF-8 "$TOOL" >"$E2E_WORK/tool.log" 2>&1 &
E2E_TOOL_PID=$!
E2E_PIDS+=($E2E_TOOL_PID)
shot=$E2E_WORK/wayland.ppm
# Takes a screenshot once the main window shows in it.
shoot() {
    for _ in $(seq 50); do
        sleep 0.3
        e2e_shot "$shot"
        find_form1 "$shot" && return 0
        kill -0 "$E2E_TOOL_PID" 2>/dev/null || e2e_fail "the tool ended: $(cat "$E2E_WORK/tool.log")"
    done
    e2e_fail "$1: no main window on the screen"
}
alive() { kill -0 "$E2E_TOOL_PID" 2>/dev/null || e2e_fail "$1 ended the tool: $(cat "$E2E_WORK/tool.log")"; }

xdotool mousemove 0 0
# The compositor activates the window a moment after showing it.
for _ in $(seq 10); do
    shoot "start"
    client_pixels "$shot" "$E2E_WORK/wayland-client.ppm"
    differing=$(compare -metric AE "$E2E_WORK/x11-client.ppm" "$E2E_WORK/wayland-client.ppm" null: 2>&1) || true
    [[ $differing == 0 ]] && break
done
[[ $differing == 0 ]] || e2e_fail "$differing pixels of the client area differ from X11"
e2e_expect_silent "a start on Wayland"

# The boat, dragged (see drag_test.sh for the places).
e2e_drag 1305 1395 1005 1095 15
shoot "the drag"
e2e_expect_colour "$shot" 1005 1095 blue 2 "the boat did not follow the drag"
e2e_expect_no_colour "$shot" 1301 1391 blue 2 "the boat is still at its old place"

# Qt's title bar offers minimise, maximise and close, right to left from
# the close box. Close ends the tool as it should; the other two may not
# end it, change its size or lose the window.
# In twips from the client area's top right corner.
TITLE_Y=-225 MINIMISE_X=-900 MAXIMISE_X=-555
for box in maximise minimise maximise; do
    x=$([[ $box == maximise ]] && echo $MAXIMISE_X || echo $MINIMISE_X)
    e2e_click $((7020 + x)) "$TITLE_Y"
    sleep 1
    alive "$box"
    shoot "after $box"
    # A scale button repaints the whole diagram: a frame of the wrong size
    # would end the connection.
    e2e_click 150 4926
    alive "a repaint after $box"
    shoot "after $box and a repaint"
    e2e_click 450 4926
done

# The help window, minimised with its own title bar's box, comes back with
# "Aide": the same window, text and height. The frame is Qt's title bar.
e2e_click 4476 4926
xdotool mousemove 0 0
sleep 1
e2e_shot "$shot"
form1="$E2E_X $E2E_Y"
e2e_find_by_colour "$shot" "$HELP_GROUND" || e2e_fail "no help window after a click on Aide"
[[ $E2E_W -eq 880 ]] || e2e_fail "help window ${E2E_W} pixels wide"
client_pixels "$shot" "$E2E_WORK/help.ppm"
help_size="$E2E_W $E2E_H"
# Its height, Qt's title bar included, is the label's height + 1000 twips
# (67 pixels); the label is the grey block from (4, 4) on the dark ground.
read -r top bottom <<<"$(e2e_run_in_column "$shot" $((E2E_X + E2E_W - 4)) "$E2E_Y" 80,80,80)"
read -r _ label_bottom <<<"$(e2e_run_in_column "$shot" $((E2E_X + 20)) $((E2E_Y + 4)) "$HELP_GROUND")"
label=$((label_bottom - E2E_Y - 3))
((label >= 352)) || e2e_fail "help label $label pixels high, too short for the text"
[[ $((bottom - top + 1)) -eq $((label + 67)) ]] \
    || e2e_fail "help window $((bottom - top + 1)) pixels high with its title bar, label $label"
# Maximised and restored with its own boxes, it keeps working.
e2e_click $((13200 + MAXIMISE_X)) "$TITLE_Y"
sleep 1
alive "maximising the help window"
e2e_shot "$shot"
e2e_find_by_colour "$shot" "$HELP_GROUND" && ((E2E_W > 1200)) || e2e_fail "the help window was not maximised"
e2e_click $((E2E_W * E2E_TWIPS_PER_PIXEL + MAXIMISE_X)) "$TITLE_Y"
sleep 1
alive "restoring the help window"
e2e_shot "$shot"
e2e_find_by_colour "$shot" "$HELP_GROUND" && [[ "$E2E_W $E2E_H" == "$help_size" ]] \
    || e2e_fail "the help window was restored as ${E2E_W}x$E2E_H, was ${help_size/ /x}"
e2e_click $((13200 + MINIMISE_X)) "$TITLE_Y"
sleep 1
e2e_shot "$shot"
! e2e_find_by_colour "$shot" "$HELP_GROUND" || e2e_fail "the help window was not minimised"
read -r E2E_X E2E_Y <<<"$form1"
e2e_click 4476 4926
xdotool mousemove 0 0
sleep 1
e2e_shot "$shot"
e2e_find_by_colour "$shot" "$HELP_GROUND" || e2e_fail "Aide did not bring the minimised help window back"
[[ "$E2E_W $E2E_H" == "$help_size" ]] || e2e_fail "the help window came back as ${E2E_W}x$E2E_H, was ${help_size/ /x}"
client_pixels "$shot" "$E2E_WORK/help-again.ppm"
differing=$(compare -metric AE "$E2E_WORK/help.ppm" "$E2E_WORK/help-again.ppm" null: 2>&1) || true
[[ $differing == 0 ]] || e2e_fail "the help window came back with $differing pixels changed"

# Exit, with the help window out of the way.
e2e_click $((13200 + MINIMISE_X)) "$TITLE_Y"
read -r E2E_X E2E_Y <<<"$form1"
e2e_click 3786 4926
e2e_wait_tool_exit
[[ $E2E_TOOL_STATUS -eq 0 ]] || e2e_fail "Exit: status $E2E_TOOL_STATUS"
e2e_expect_silent "a whole session on Wayland"
echo "wayland: silent start, X11's pixels, drag, title-bar boxes survived, help brought back, Exit"
