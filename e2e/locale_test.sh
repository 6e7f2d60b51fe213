# The real tool writes its readouts with the decimal separator of the user's
# locale, which it takes from the environment: under German they look
# exactly as under French (commas), under US English they do not (points).
# In every locale it starts silently, a UTF-8 one or not.
source "$(dirname "$0")/lib.sh"
e2e_start_display
# Without one Qt says where it makes its own.
e2e_private_runtime_dir
binary=$1

# Starts the tool with the locale variables given after $1 and no others,
# keeps the readout panel under the diagram as the image $E2E_WORK/$1.ppm,
# ends it with Exit, and fails unless it said nothing.
readout_panel() {
    local name=$1
    shift
    E2E_LOCALE= e2e_start_tool "$binary" "$@"
    e2e_window_geometry
    local shot="$E2E_WORK/$name-screen.ppm"
    e2e_shot "$shot"
    # The panel: 4872 x 1572 twips from (60, 5100).
    convert "$shot" -crop "325x105+$(e2e_screen_x 60)+$(e2e_screen_y 5100)" +repage "$E2E_WORK/$name.ppm"
    e2e_click 3786 4926 # "Exit"
    e2e_wait_tool_exit
    e2e_expect_silent "started with ${*:-no locale variable}"
}

# How many pixels differ between two panels.
differing_pixels() { compare -metric AE "$E2E_WORK/$1.ppm" "$E2E_WORK/$2.ppm" null: 2>&1 | awk '{ print int($1) }' || true; }

expect_same() {
    local differing
    differing=$(differing_pixels "$1" "$2")
    [[ $differing -eq 0 ]] || e2e_fail "$3: $differing pixels of the readouts differ"
}

readout_panel french LC_ALL=fr_FR.UTF-8
readout_panel german LC_ALL=de_DE.UTF-8
readout_panel english LC_ALL=en_US.UTF-8

expect_same french german "under German the readouts are not as under French"
english=$(differing_pixels french english)
[[ $english -gt 0 ]] || e2e_fail "under US English the readouts look as under French"

# No UTF-8 locale at all, where Qt would switch to one with a warning: a
# silent start, and a point as under US English. Each category but the
# character type stays the user's: a French LC_NUMERIC still gives commas.
readout_panel unset
readout_panel c LANG=C
readout_panel posix LC_ALL=POSIX
readout_panel c-numeric-french LANG=C LC_NUMERIC=fr_FR.UTF-8
for name in unset c posix; do
    expect_same english "$name" "with the locale $name the readouts are not as under US English"
done
expect_same french c-numeric-french "under LANG=C with a French LC_NUMERIC the readouts are not as under French"
echo "locale: German readouts show the French commas; US English ones differ ($english pixels);" \
    "silent starts with a point without a UTF-8 locale, commas with a French LC_NUMERIC"
