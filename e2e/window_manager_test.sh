# Under a window manager the main window opens centred on the screen, frame
# included, offers no minimise or maximise, shows its icon, and keeps its
# size when the manager is asked to resize it.
source "$(dirname "$0")/lib.sh"
e2e_start_display wm
e2e_start_tool "$1"
e2e_window_geometry

# The whole window, frame included, is centred: twice the offset of its
# middle from the screen's is at most 2 pixels either way.
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
read -r left right top bottom < <(e2e_frame_extents "$E2E_WINDOW")
((top > 0)) || e2e_fail "the window manager drew no frame"
dx=$((2 * (E2E_X - left) + left + E2E_W + right - screen_w))
dy=$((2 * (E2E_Y - top) + top + E2E_H + bottom - screen_h))
((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2)) \
    || e2e_fail "framed window off centre by ($dx, $dy) half pixels on a ${screen_w}x${screen_h} screen"

# Motif hints: no minimise (functions 8, decorations 32) and no maximise
# (16, 64) asked for; close (function 32) kept.
read -r _ functions decorations _ < <(xprop -id "$E2E_WINDOW" _MOTIF_WM_HINTS | sed -n 's/.*= *//p' | tr -d ',')
((functions & 0x20 && !(functions & 0x18) && !(decorations & 0x60))) \
    || e2e_fail "Motif hints: functions $functions, decorations $decorations"

has_window_icon "$E2E_WINDOW" || e2e_fail "no 48 x 48 window icon"

xdotool windowsize "$E2E_WINDOW" 700 600
sleep 0.5
e2e_window_geometry
[[ $E2E_W -eq 468 && $E2E_H -eq 449 ]] || e2e_fail "resized to ${E2E_W}x${E2E_H}"
echo "window manager: centred, icon shown, size fixed"
