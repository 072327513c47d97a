#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# A native Wayland run (weston's headless compositor, no X server and no DISPLAY): the converter
# starts natively instead of aborting, and at its end saves the settings without overwriting the
# stored window positions, which Wayland never tells it.
# Usage: wayland.sh BIN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
bin=${1:?folder of the built programs}
need_tools weston
backend=$(find /usr/lib -path '*weston*/headless-backend.so' 2>/dev/null | head -1)
[ -n "$backend" ] || skip "weston has no headless backend here"
[ -n "$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland*' 2>/dev/null | head -1)" ] \
  || skip "Qt's Wayland platform (qt6-wayland) is not installed"
make_scratch
prog=$(offscreen_program "$bin")
: >"$prog/ORL_USER.DAT"
printf '[Window]\r\nTop=1500\r\nLeft=1500\r\nConstantsTop=1650\r\nConstantsLeft=2500\r\nQuantity=0\r\nUnit=0\r\n[Option]\r\nShowTop=0\r\nFigure=8\r\nForm=0\r\nFaceColor=-1\r\nTextColor=-1\r\nTextColor1=-1\r\nTextColor2=-1\r\nTextColor3=-1\r\n' >"$prog/ORLOPREF.CFG"

step "a headless Wayland compositor"
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-orlo --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
E2E_PIDS+=($!)
deadline=$((SECONDS + 15))
until [ -S "$XDG_RUNTIME_DIR/wayland-orlo" ]; do
  [ $SECONDS -ge $deadline ] && fail "weston did not start: $(tail -5 "$E2E_TMP/weston.log")"
  sleep 0.1
done

step "the converter in a Wayland session without DISPLAY starts natively"
(cd / && exec env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-orlo XDG_SESSION_TYPE=wayland \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus" "$prog/orlo" >"$E2E_TMP/orlo.log" 2>&1) &
pid=$!
E2E_PIDS+=("$pid")
deadline=$((SECONDS + 15))
until [ -f "$prog/ORLO.LCK" ] && grep -q qwayland "/proc/$pid/maps" 2>/dev/null; do
  kill -0 "$pid" 2>/dev/null || fail "the converter ended: $(cat "$E2E_TMP/orlo.log")"
  [ $SECONDS -ge $deadline ] && fail "the converter did not come up on Wayland: $(cat "$E2E_TMP/orlo.log")"
  sleep 0.2
done
sleep 1

step "its end saves the settings and keeps the stored positions"
sed -i 's/^Figure=8/Figure=4/' "$prog/ORLOPREF.CFG" # a change the save must undo, to see that it saved
kill -TERM "$pid"
wait_exit "$pid" 5 || true
grep -q '^Figure=8' "$prog/ORLOPREF.CFG" || fail "the settings were not saved at the end"
[ "$(cfg_line "$prog/ORLOPREF.CFG" Top),$(cfg_line "$prog/ORLOPREF.CFG" Left)" = "1500,1500" ] \
  || fail "the positions became Top=$(cfg_line "$prog/ORLOPREF.CFG" Top) Left=$(cfg_line "$prog/ORLOPREF.CFG" Left)"
echo "PASS"
