#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# A converter whose bus connection is stuck in a huge message from another process: a second start
# on its folder still ends with a message instead of opening a window, and SIGTERM still ends it at
# once with its settings saved. Offscreen platform, a private session bus.
# Usage: wedged_bus.sh BIN_DIR FLOOD_HELPER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
bin=${1:?folder of the built programs}
flood=${2:?bus flood helper}
need_tools dbus-run-session gdbus
in_private_bus "$@"
make_scratch
prog=$(offscreen_program "$bin")
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

step "a converter on the bus"
(cd / && exec "$prog/orlo" >"$E2E_TMP/first.log" 2>&1) &
first=$!
E2E_PIDS+=("$first")
deadline=$((SECONDS + 10))
owner=""
until [ -n "$owner" ]; do
  [ $SECONDS -ge $deadline ] && fail "the converter took no bus name within 10 s"
  sleep 0.1
  owner=$(gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.GetNameOwner org.orlo.Converter 2>/dev/null | sed -n "s/^('\(.*\)',)$/\1/p") || true
done

step "70 MB sent to its connection"
timeout 30 "$flood" "$owner" 70 || fail "the flood helper failed"

step "a second start on the folder opens no window of its own"
# It ends either way: having brought the first forward (0), if the first still answers before the
# huge message reaches it, or with a message (1) once the first's connection is stuck.
started=$SECONDS
(cd / && exec "$prog/orlo" >"$E2E_TMP/second.log" 2>&1) &
second=$!
E2E_PIDS+=("$second")
status=0
wait_exit "$second" 10 || status=$?
case $status in
  0) ;;
  1) grep -q "keeps its files in $prog" "$E2E_TMP/second.log" || fail "the second start said: $(cat "$E2E_TMP/second.log")" ;;
  *) fail "the second start ended with status $status: $(cat "$E2E_TMP/second.log")" ;;
esac
echo "the second start ended after $((SECONDS - started)) s with status $status"

step "SIGTERM ends the first at once, settings saved"
kill -TERM "$first"
wait_exit "$first" 3 || true
[ -f "$prog/ORLOPREF.CFG" ] || fail "no settings saved"
echo "PASS"
