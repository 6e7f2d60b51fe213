# The help window under a window manager: "Aide" opens it beside the main
# window, sized to its text with the frame counted in its height; a second
# click keeps one window and brings it to the front; closed, it comes back
# the same.
source "$(dirname "$0")/lib.sh"
e2e_start_display wm
e2e_start_tool "$1"

AIDE_X=4476 AIDE_Y=4926 # the middle of the button "Aide"

click_aide() {
    wmctrl -i -a "$E2E_WINDOW" # the help window may cover the button
    sleep 0.5
    e2e_window_geometry
    e2e_click "$AIDE_X" "$AIDE_Y"
}

# Prints "client-width outer-height label-height" of the help window $1, in
# pixels. The label is the grey block from (4, 4) on the dark blue ground.
help_measures() {
    local id=$1 shot="$E2E_WORK/help.ppm" left right top bottom x y label
    sleep 0.5
    e2e_shot "$shot"
    e2e_window_geometry "$id"
    read -r left right top bottom <<<"$(e2e_frame_extents "$id")"
    x=$((E2E_X + 20))
    y=$(convert "$shot" -crop "1x$((E2E_H - 4))+$x+$((E2E_Y + 4))" +repage -depth 8 txt:- \
        | sed -n 's/^0,\([0-9]*\): *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3 \4/p' \
        | awk '$2 < 30 && $3 < 30 && $4 > 40 { print $1; exit }')
    [[ -n "$y" ]] || e2e_fail "no dark ground under the help label"
    label=$y
    echo "$E2E_W $((E2E_H + top + bottom)) $label"
}

top_window() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //; s/.*# //'; }

click_aide
help=$(e2e_wait_window Aide) || e2e_fail "no window titled 'Aide' after a click on Aide"
e2e_window_shown "$E2E_WINDOW" || e2e_fail "the main window went away"
has_window_icon "$help" || e2e_fail "the help window has no 48 x 48 icon"
read -r width outer label <<<"$(help_measures "$help")"
[[ $width -eq 880 ]] || e2e_fail "help client width $width, expected 880"
# 22 lines of at least 16 pixels, some of them wrapped.
((label >= 352)) || e2e_fail "help label $label pixels high, too short for the text"
# Label height + 1000 twips, title bar and borders included.
[[ $outer -eq $((label + 67)) ]] || e2e_fail "help window $outer pixels high outside, label $label"
first="$width $outer $label"

click_aide
[[ $(e2e_window_count Aide) -eq 1 ]] || e2e_fail "$(e2e_window_count Aide) help windows after a second click"
[[ $(e2e_wait_window Aide) == "$help" ]] || e2e_fail "the second click made a new help window"
[[ $((16#$(top_window | sed 's/^0x//'))) -eq $help ]] || e2e_fail "the help window did not come to the front"
[[ "$(help_measures "$help")" == "$first" ]] || e2e_fail "the second click changed the help window: $(help_measures "$help")"

wmctrl -F -c Aide
for _ in $(seq 50); do [[ $(e2e_window_count Aide) -eq 0 ]] && break; sleep 0.1; done
[[ $(e2e_window_count Aide) -eq 0 ]] || e2e_fail "the help window did not close"
kill -0 "$E2E_TOOL_PID" || e2e_fail "closing the help window ended the tool"

click_aide
again=$(e2e_wait_window Aide) || e2e_fail "no help window after closing it and clicking again"
[[ "$(help_measures "$again")" == "$first" ]] || e2e_fail "the help window came back as $(help_measures "$again"), first $first"
echo "help: one help window, sized to its text, in front, rebuilt after closing"
