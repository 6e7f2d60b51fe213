# The real tool starts at 10 knots: its window is found by its exact caption,
# has the designed client size, and shows the rose where it belongs.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_tool "$1"
e2e_window_geometry

[[ $E2E_W -eq 468 && $E2E_H -eq 449 ]] || e2e_fail "client area ${E2E_W}x${E2E_H}, expected 468x449"

shot="$E2E_WORK/start.ppm"
e2e_shot "$shot"
# Centre (2436, 2526), radius 2269.09 twips; sample at bearing 15 degrees,
# between two spokes: sin 15 = 0.2588, cos 15 = 0.9659.
ring() { # knots colour
    local r=$((226909 * $1 / 1000))
    e2e_has_colour_near "$shot" $((2436 + r * 2588 / 10000)) $((2526 - r * 9659 / 10000)) "$2" 1 \
        || e2e_fail "ring $1 is not $2"
}
ring 5 green
ring 10 green
ring 3 grey
ring 7 grey
echo "startup: window, size and rings as designed"
