#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# One converter per data folder, whatever the bus: a second start on the same folder without a bus,
# or on another bus, opens no window and ends with a message; a lock left by a killed converter is
# taken over; SIGTERM ends a converter at once; HOME unset keeps the files in the user's own home.
# Runs the built programs on the offscreen platform, without an X server.
# Usage: one_per_folder.sh BIN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
bin=${1:?folder of the built programs}
need_tools dbus-run-session
make_scratch
prog=$(offscreen_program "$bin")
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
dead_bus="unix:path=$E2E_TMP/no-bus"

# start NAME [BUS]: a converter in the background; its id in ${NAME}_pid, its output in NAME.log.
start() {
  local name=$1 bus=${2:-$dead_bus}
  (cd / && DBUS_SESSION_BUS_ADDRESS=$bus exec "$prog/orlo" >"$E2E_TMP/$name.log" 2>&1) &
  E2E_PIDS+=($!)
  printf -v "${name}_pid" '%s' $!
}
# wait_lock PID: waits until the folder's lock names process PID.
wait_lock() {
  local deadline=$((SECONDS + 10))
  until [ -f "$prog/ORLO.LCK" ] && [ "$(head -1 "$prog/ORLO.LCK")" = "$1" ]; do
    [ $SECONDS -ge $deadline ] && fail "process $1 did not take the folder's lock within 10 s"
    sleep 0.1
  done
}
# refused NAME: the start NAME ended by itself with status 1 and said why.
refused() {
  local pid_var=${1}_pid status=0
  wait_exit "${!pid_var}" 10 || status=$?
  [ "$status" = 1 ] || fail "the second start ended with status $status: $(cat "$E2E_TMP/$1.log")"
  grep -q "keeps its files in $prog" "$E2E_TMP/$1.log" || fail "the second start said: $(cat "$E2E_TMP/$1.log")"
}

step "a converter without a bus holds the folder"
start first
wait_lock "$first_pid"

step "a second one without a bus ends with a message"
start second
refused second
kill -0 "$first_pid" || fail "the first converter ended"

step "a second one on a bus of its own ends with a message too"
(cd / && exec dbus-run-session -- "$prog/orlo" >"$E2E_TMP/third.log" 2>&1) &
third_pid=$!
E2E_PIDS+=("$third_pid")
refused third

step "SIGTERM ends the converter within a second or two and frees the folder"
kill -TERM "$first_pid"
wait_exit "$first_pid" 3 || true
[ ! -e "$prog/ORLO.LCK" ] || fail "the lock stayed after the converter ended"
[ -f "$prog/ORLOPREF.CFG" ] || fail "the settings were not saved at SIGTERM"

step "a lock left by a killed converter is taken over"
start killed
wait_lock "$killed_pid"
kill -KILL "$killed_pid"
wait "$killed_pid" 2>/dev/null || true
start heir
wait_lock "$heir_pid"
kill -TERM "$heir_pid"
wait_exit "$heir_pid" 3 || true

step "without HOME, a read-only program folder keeps the files in the home the system knows"
home=$(getent passwd "$(id -un)" | cut -d: -f6)
[ -n "$home" ] && [ "$(id -u)" != 0 ] || skip_home=yes
if [ -z "${skip_home:-}" ]; then
  chmod a-w "$prog"
  (cd / && env -u HOME -u XDG_CONFIG_HOME DBUS_SESSION_BUS_ADDRESS=$dead_bus "$prog/orlo" >"$E2E_TMP/nohome.log" 2>&1) &
  nohome=$!
  E2E_PIDS+=("$nohome")
  deadline=$((SECONDS + 10))
  until [ -f "$home/.config/Orlo/ORLO.LCK" ]; do
    [ $SECONDS -ge $deadline ] && fail "no lock in $home/.config/Orlo: $(cat "$E2E_TMP/nohome.log")"
    sleep 0.1
  done
  kill -TERM "$nohome"
  wait_exit "$nohome" 3 || true
  chmod u+w "$prog"
else
  echo "(run as root or without a home in the password database: the HOME step is left out)"
fi
echo "PASS"
