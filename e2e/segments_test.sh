# Three hours recorded with the Heure buttons, each with its own current
# dragged into place, bring up the integrated current (pale pink ring), the
# mean ground track (pale green ring), the legends and the dark readouts;
# the Raz buttons erase the hours and everything goes again.
source "$(dirname "$0")/lib.sh"
e2e_start_display
e2e_start_tool "$1"
e2e_window_geometry

# Centre (2436, 2526); the boat starts at (-1134.5, -1134.5) from it and the
# current at (453.8, -453.8). The pointer lands on whole pixels, so the
# dragged currents end on multiples of 15 twips: (894, 294), then (594, 1509).
# Below, the window positions of the ends of the mean current and of the mean
# ground track: for the three hours (647.3, 449.7) and (-487.3, -684.8) from
# the centre; for the first hour alone (453.8, -453.8) and (-680.7, -1588.4).
# They are chosen clear of the live spots and of the green rings: where a
# pure red or green edge blends into a white line it looks pale too.
THREE_HOURS=(3083 2976 1949 1841)
FIRST_HOUR=(2890 2072 1755 938)

heure() { e2e_click 5076 $((216 + 240 * $1)); }
raz() { e2e_click 6816 $((216 + 240 * $1)); }

# $1 shown|gone, then the two ends: the means, their legends and readouts
# all together.
expect_means() {
    local shot="$E2E_WORK/means-$1-$RANDOM.ppm" check
    e2e_shot "$shot"
    [[ $1 == shown ]] && check=e2e_expect_colour || check=e2e_expect_no_colour
    $check "$shot" "$2" "$3" palepink 9 "mean current ring not $1"
    $check "$shot" "$4" "$5" palegreen 9 "mean ground ring not $1"
    $check "$shot" 90 6456 dark 1 "COGMean not $1"
    $check "$shot" 5010 6126 dark 1 "Label3 not $1"
    $check "$shot" 5010 6456 dark 1 "Label5 not $1"
    $check "$shot" 246 546 red 2 "legend's red disc not $1"
    $check "$shot" 4730 546 palepink 2 "legend's pink ring not $1"
}

# $1 row, $2 shown|gone
expect_row_text() {
    local shot="$E2E_WORK/row-$1-$RANDOM.ppm" check
    e2e_shot "$shot"
    [[ $2 == shown ]] && check=e2e_expect_colour || check=e2e_expect_no_colour
    # some red glyph of the row's text, near its left end
    $check "$shot" 5310 $((240 + 240 * $1)) red 6 "text of row $1 not $2"
}

expect_means gone "${THREE_HOURS[@]}"
heure 0
expect_row_text 0 shown
e2e_drag 2890 2072 3336 2826
heure 1
e2e_drag 3330 2820 3038 4036
heure 2
expect_row_text 2 shown
expect_means shown "${THREE_HOURS[@]}"
echo "segments: three hours recorded, means shown"

raz 2
raz 1
expect_row_text 2 gone
expect_means shown "${FIRST_HOUR[@]}"
raz 0
expect_row_text 0 gone
expect_means gone "${FIRST_HOUR[@]}"
echo "segments: every hour erased, means gone"
