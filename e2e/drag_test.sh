# A real mouse under X: pressing on the blue spot and dragging it in small
# steps carries it, and the green ground spot follows; a drag started on
# open water turns the wind line instead.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_tool "$1"
e2e_window_geometry

# At start-up the centre is (2436, 2526) and the radius 2269 twips; the boat
# is at (-0.5R, -0.5R) and the current at (0.2R, -0.2R), so the blue spot is
# at (1301, 1391) and the green one, their sum, at (1755, 938).
expect() { # shot x y colour what
    e2e_has_colour_near "$1" "$2" "$3" "$4" 2 || e2e_fail "$5: no $4 near ($2, $3)"
}
expect_not() { # shot x y colour what
    ! e2e_has_colour_near "$1" "$2" "$3" "$4" 2 || e2e_fail "$5: still $4 near ($2, $3)"
}

before="$E2E_WORK/before.ppm"
e2e_shot "$before"
expect "$before" 1301 1391 blue "boat before the drag"
expect "$before" 1755 938 green "ground before the drag"

# Up and to the left by 300 twips each way, 4 pixels a step, across the
# boat's tag and well within half a spot's width (126 twips) a move.
e2e_drag 1305 1395 1005 1095 5
dragged="$E2E_WORK/dragged.ppm"
e2e_shot "$dragged"
# Boat (-1434, -1434) now; ground = boat + current = (-981, -1888).
expect "$dragged" 1005 1095 blue "boat after the drag"
expect "$dragged" 1455 638 green "ground after the drag"
expect_not "$dragged" 1301 1391 blue "boat's old place"
expect_not "$dragged" 1755 938 green "ground's old place"

# The wind line points from the centre towards the wind, at 225 degrees to
# start with. Sampled at 0.55R, between two rings and clear of the spokes.
expect "$dragged" 1554 3409 grey "wind line at 225 degrees"
# A drag on open water, ending at bearing 135.
e2e_drag 3000 2800 3240 3330 6
turned="$E2E_WORK/turned.ppm"
e2e_shot "$turned"
expect "$turned" 3319 3409 grey "wind line at 135 degrees"
expect_not "$turned" 1554 3409 grey "wind line's old place"
expect "$turned" 1005 1095 blue "boat after the wind drag"
echo "drag: the boat follows the pointer, the ground spot follows the boat, and open water turns the wind"
