#!/usr/bin/env bash
# Runs a program as it runs beside a screen reader: on the X11 platform of a
# private Xvfb, in a private D-Bus session with its own accessibility bus,
# and with Qt's AT-SPI bridge switched on, so that QAccessible::isActive()
# becomes true in the program (on the offscreen platform it never does).
# With LOXANE_ACCESSIBILITY=inactive everything is the same but the bridge
# stays off, for comparison; with LOXANE_ACCESSIBILITY=listened a listener
# also takes every text, name and state change, as a screen reader does, so
# that Qt sends each one over the bus.
# Usage: scripts/accessibility-session.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
[ -n "${LOXANE_PRIVATE_SESSION:-}" ] || LOXANE_PRIVATE_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/x-session.sh"
start_xvfb
start_accessibility_bus
LISTENER_PID=
trap 'stop_processes "$LISTENER_PID" "$ACCESSIBILITY_BUS_PID" "$XVFB_PID"' EXIT
[ "${LOXANE_ACCESSIBILITY:-active}" = inactive ] || export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
if [ "${LOXANE_ACCESSIBILITY:-active}" = listened ]; then
    # Debian's own Python, which holds pyatspi.
    /usr/bin/python3 -c 'import pyatspi
pyatspi.Registry.registerEventListener(lambda event: None, "object:text-changed", "object:property-change", "object:state-changed")
pyatspi.Registry.start()' &
    LISTENER_PID=$!
    sleep 1 # until the registry knows what it listens to
fi
QT_QPA_PLATFORM=xcb "$@"
