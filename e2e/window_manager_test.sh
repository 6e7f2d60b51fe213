# Under a window manager the main window opens centred on the screen, shows
# its icon, and keeps its size when the manager is asked to resize it.
source "$(dirname "$0")/lib.sh"
e2e_start_display wm
e2e_start_tool "$1"
e2e_window_geometry

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
centre_x=$((E2E_X + E2E_W / 2))
centre_y=$((E2E_Y + E2E_H / 2))
# The window is centred before the manager adds its frame, so the title bar
# shifts the client area down by the bar's height at most.
((centre_x - screen_w / 2 <= 4 && screen_w / 2 - centre_x <= 4)) \
    || e2e_fail "client centred at x=$centre_x on a screen $screen_w wide"
((centre_y - screen_h / 2 <= 30 && screen_h / 2 - centre_y <= 4)) \
    || e2e_fail "client centred at y=$centre_y on a screen $screen_h high"

has_window_icon "$E2E_WINDOW" || e2e_fail "no 48 x 48 window icon"

xdotool windowsize "$E2E_WINDOW" 700 600
sleep 0.5
e2e_window_geometry
[[ $E2E_W -eq 468 && $E2E_H -eq 449 ]] || e2e_fail "resized to ${E2E_W}x${E2E_H}"
echo "window manager: centred, icon shown, size fixed"
