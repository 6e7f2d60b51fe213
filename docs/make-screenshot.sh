#!/usr/bin/env bash
# Redraws docs/screenshot.png from the real program:
#   docs/make-screenshot.sh PATH/TO/loxane
# It runs under its own Xvfb with no window manager, so the picture is the
# window alone with no frame. French locale, as the tool's users see it.
set -euo pipefail

docs=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/x-session.sh
. "$docs/../scripts/x-session.sh"

[ $# -eq 1 ] || { echo "usage: $0 PATH/TO/loxane" >&2; exit 2; }
[ -x "$1" ] || fail "$1 is not an executable"
use_version_of_build "$1"

app_pid="" XVFB_PID=""
trap 'stop_processes "$app_pid" "$XVFB_PID"' EXIT

start_xvfb
LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 "$1" &
app_pid=$!
window=$(wait_for_window "$app_pid")
# With no window manager nothing gives the window the focus; a user's window
# has it, and shows it on the focused scale button.
xdotool windowfocus --sync "$window"
# Mapped is not yet painted: give the first paint a moment.
sleep 1
import -window "$window" -depth 8 -strip "$docs/screenshot.png"
echo "wrote $docs/screenshot.png"
