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

# The first scale button has the focus; the hour buttons come after the
# scales, « Aide » and « Exit ».
# Orca 43 says « Heure 1. », then the state and role; Orca 48 says them in
# one utterance.
press Tab Tab Tab Tab Tab
orca_wait_said "Heure 1." || expect_said "Heure 1 non sélectionné" "Tab to the first hour button"
press space
expect_said "sélectionné" "Space on « Heure 1 »"

press shift+Tab shift+Tab
expect_said "Aide bouton." "shift+Tab back to « Aide »"
press space
# Orca 48 says it without the full stop.
expect_said "Aide cadre" "the help window opening"
echo "orca: hour button and help window heard"
