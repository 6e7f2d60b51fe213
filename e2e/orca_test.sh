# The tool heard through a real screen reader: Orca, headless and in French,
# driven by keys alone, its speech read from its debug log.
set -euo pipefail
source "$(dirname "$0")/../scripts/orca-session.sh"
trap orca_session_stop EXIT
orca_session_start "$(mktemp -d)"
orca_start_tool "$1"

# Fails unless Orca has said something holding $1 since the last mark.
expect_said() {
    orca_wait_said "$1" || fail "$2: Orca said: $(orca_said | paste -sd '|')"
}

# Presses the keys after a mark, so that only what they make Orca say counts.
press() {
    orca_mark
    orca_key "$@"
}

# The scale « 10 » has the focus. Backwards from the first button the
# cycle ends with the result, the wind, the current and the boat. Up on the
# boat says its new speed, then the ground track.
press shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
expect_said "bateau image" "Shift+Tab to « bateau »"
expect_said "7,1 nœuds, 315 degrés" "the boat's readout as it takes the focus"
press Up
expect_said "bateau, 7,2 nœuds, 315 degrés. route fond, " "Up on « bateau »"

# On through the current, the wind, the result and the first scales: Space
# on « 15 » says the scale chosen, and no description goes out that Orca
# cannot speak.
press Tab Tab Tab Tab Tab Tab space
expect_said "échelle 15 nœuds choisie" "Space on the scale « 15 »"
! grep -F "bad content" "$ORCA_LOG" || fail "Orca was sent something that is not text"

# Orca 43 says « Heure 1. », then the state and role; Orca 48 says them in
# one utterance.
press Tab Tab Tab Tab
expect_said "Heure 1" "Tab to the first hour button"
press space
expect_said "heure 1 enregistrée, " "Space on « Heure 1 »"

press shift+Tab shift+Tab
expect_said "Aide bouton." "Shift+Tab back to « Aide »"
press space
# Orca 48 says it without the full stop.
expect_said "Aide cadre" "the help window opening"
# The help text has the keyboard: read from its start as the window opens,
# then line by line, and read on by Orca's say-all (keypad plus).
expect_said "Texte de l'aide" "the help text taking the focus"
expect_said "Mouvoir la souris dans le cercle en maintenant le clic pour modifier la direction du vent." \
    "the help text's first line"
press Down Down
expect_said "Mouvoir la souris en maintenant le clic sur les spots de couleur" "Down, Down in the help text"
press Prior KP_Add
# Say-all goes at the speech synthesiser's pace: the next paragraph read
# proves it reads on from line to line.
orca_wait_said "Mouvoir la souris en maintenant le clic sur les spots de couleur" 30 \
    || fail "say-all did not read on through the help text: $(orca_said | paste -sd '|')"
echo "orca: a scale, the boat moved, an hour recorded and the help text heard, line by line and read on"
