#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The installed converter under a real window manager: always on top changes the stacking state of
# the same native window in the same place (Ctrl+T, and the hand-over to the constants window), and
# the task-bar entry follows the notification area (icewm has one, openbox none).
# Usage: desktop.sh BUILD_DIR PROGRAM_DIR WM   (WM: openbox or icewm)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=${1:?build directory}
subdir=${2:?program folder below the prefix}
wm=${3:?window manager}
need_tools Xvfb xdotool xprop dbus-run-session "$wm"
in_private_bus "$@"
make_scratch
. "$here/install.inc.sh"
prog=$(install_into "$build" "$E2E_TMP/prefix")/$subdir
start_x
case $wm in
  openbox) start_wm openbox --sm-disable --config-file /dev/null ;;
  icewm) HOME=$E2E_TMP start_wm icewm ;;
esac
(cd / && exec "$prog/orlo" >"$E2E_TMP/orlo.log" 2>&1) &
E2E_PIDS+=($!)
dismiss_messages '^ Orlo Unit Converter - ' 30 >/dev/null
main=$(wait_window '^ Orlo Unit Converter - Length$' 5)
activate "$main"

states() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }
place() { xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/^ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
# has_state ID ATOM yes|no SECONDS: waits for the window manager to show the state (or not).
has_state() {
  local deadline=$((SECONDS + $4)) now
  while :; do
    now=no
    states "$1" | grep -q "$2" && now=yes
    [ "$now" = "$3" ] && return 0
    [ $SECONDS -ge $deadline ] && fail "window $1: $2 is '$now', expected '$3' ($(states "$1"))"
    sleep 0.1
  done
}

step "task-bar entry under $wm"
if [ "$wm" = icewm ]; then
  # icewm has a notification area: the window lives in it and stays out of the task bar and pager.
  has_state "$main" _NET_WM_STATE_SKIP_TASKBAR yes 5
  has_state "$main" _NET_WM_STATE_SKIP_PAGER yes 5
else
  has_state "$main" _NET_WM_STATE_SKIP_TASKBAR no 2
fi

step "Ctrl+T puts the same window on top, in the same place, and takes it off again"
before=$(place "$main")
keys ctrl+t
has_state "$main" _NET_WM_STATE_ABOVE yes 5
[ -n "$(find_window '^ Orlo Unit Converter - Length$' | grep -x "$main")" ] || fail "the window was re-created"
[ "$(place "$main")" = "$before" ] || fail "the window moved from $before to $(place "$main")"
keys ctrl+t
has_state "$main" _NET_WM_STATE_ABOVE no 5
[ "$(place "$main")" = "$before" ] || fail "the window moved from $before to $(place "$main")"

step "on top, the constants window takes the state over and hands it back"
keys ctrl+t
has_state "$main" _NET_WM_STATE_ABOVE yes 5
keys alt+v
keys c
constants=$(wait_window '^ Physical Constants$' 5)
has_state "$constants" _NET_WM_STATE_ABOVE yes 5
has_state "$main" _NET_WM_STATE_ABOVE no 5
activate "$constants"
keys Escape
has_state "$main" _NET_WM_STATE_ABOVE yes 5
[ -n "$(find_window '^ Orlo Unit Converter - Length$' | grep -x "$main")" ] || fail "the window was re-created"
[ "$(place "$main")" = "$before" ] || fail "the window moved from $before to $(place "$main")"
echo "PASS"
