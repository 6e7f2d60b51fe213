# The real tool writes its readouts with the decimal separator of the user's
# locale, which it takes from the environment: under German they look
# exactly as under French (commas), under US English they do not (points).
source "$(dirname "$0")/lib.sh"
e2e_start_display
binary=$1

# Starts the tool in locale $1, keeps the readout panel under the diagram as
# the image $2, and ends it with Exit.
readout_panel() {
    E2E_LOCALE=$1 e2e_start_tool "$binary"
    e2e_window_geometry
    local shot="$E2E_WORK/$1.ppm"
    e2e_shot "$shot"
    # The panel: 4872 x 1572 twips from (60, 5100).
    convert "$shot" -crop "325x105+$(e2e_screen_x 60)+$(e2e_screen_y 5100)" +repage "$2"
    e2e_click 3786 4926 # "Exit"
    e2e_wait_tool_exit
}

# How many pixels differ between two images of the same size.
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ print int($1) }' || true; }

readout_panel fr_FR.UTF-8 "$E2E_WORK/french.ppm"
readout_panel de_DE.UTF-8 "$E2E_WORK/german.ppm"
readout_panel en_US.UTF-8 "$E2E_WORK/english.ppm"

german=$(differing_pixels "$E2E_WORK/french.ppm" "$E2E_WORK/german.ppm")
english=$(differing_pixels "$E2E_WORK/french.ppm" "$E2E_WORK/english.ppm")
[[ $german -eq 0 ]] || e2e_fail "under German $german pixels of the readouts differ from French"
[[ $english -gt 0 ]] || e2e_fail "under US English the readouts look as under French"
echo "locale: German readouts show the French commas; US English ones differ ($english pixels)"
