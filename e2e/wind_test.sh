# Dragging the wind round towards the boat's heading (315 at start-up) turns
# the wind window from green to red once the wind comes within 45 degrees of
# the bow, and brings up the close-hauled VMG readout.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_tool "$1"
e2e_window_geometry

# Centre (2436, 2526). The drags run down a line 1500 twips west of it,
# clear of the boat spot (-1134, -1134) and the current spot (454, -454).
CX=2436 CY=2526
# Inside the wind window (2820, 5160, 2052 x 312) and the VMG readout (120,
# 5160, 2052 x 312), near their left ends, clear of the centred text.
VENT_X=2900 VMG_X=200 PANEL_Y=5220

expect_colours() { # stage vent-colour vmg-colour
    local shot="$E2E_WORK/$1.ppm"
    e2e_shot "$shot"
    e2e_has_colour_near "$shot" $VENT_X $PANEL_Y "$2" 1 \
        || e2e_fail "$1: wind window is $(e2e_pixel "$shot" $VENT_X $PANEL_Y), expected $2"
    e2e_has_colour_near "$shot" $VMG_X $PANEL_Y "$3" 1 \
        || e2e_fail "$1: VMG readout is $(e2e_pixel "$shot" $VMG_X $PANEL_Y), expected $3"
}

# Wind from about 259, 56 degrees off the bow: green, no VMG.
e2e_drag $((CX - 1500)) $((CY + 900)) $((CX - 1500)) $((CY + 300)) 10
expect_colours abeam green grey

# On round to 315, head to wind.
e2e_drag $((CX - 1500)) $((CY + 300)) $((CX - 1500)) $((CY - 1500)) 30
expect_colours head-to-wind red green

echo "wind: the wind window turns from green to red as the wind comes ahead"
