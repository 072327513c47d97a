#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Kills a run of saves with SIGKILL at random moments and checks, after every kill, that both
# files still load whole and hold a generation that was written, in the order it was written.
# Usage: kill_saves.sh SAVE_DRIVER [KILLS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

driver=${1:?save driver}
kills=${2:-25}
make_scratch
dir=$E2E_TMP/files
mkdir "$dir"

# run_saves FIRST: starts the driver on generation FIRST; its output goes to $E2E_TMP/out.
run_saves() {
  "$driver" save "$dir" "$1" >"$E2E_TMP/out" 2>"$E2E_TMP/err" &
  saver=$!
  E2E_PIDS+=("$saver")
}

# kill_saver: SIGKILL, and the driver must not have stopped on its own before.
kill_saver() {
  kill -KILL "$saver" 2>/dev/null || fail "the save driver had already ended: $(cat "$E2E_TMP/err")"
  local rc=0
  wait "$saver" 2>/dev/null || rc=$?
  [ "$rc" = 137 ] || fail "the save driver ended with status $rc, not by the kill: $(cat "$E2E_TMP/err")"
}

step "first generation written completely"
run_saves 0
deadline=$((SECONDS + 10))
until grep -q saved "$E2E_TMP/out"; do
  [ $SECONDS -ge $deadline ] && fail "the driver wrote no pair of files within 10 s: $(cat "$E2E_TMP/err")"
  sleep 0.05
done
kill_saver
read -r prev_cfg prev_dat < <("$driver" check "$dir") || fail "the files do not load after the first kill"

during=0
temporaries=0
for ((i = 1; i <= kills; i++)); do
  step "kill $i of $kills"
  # Every run counts from its own million, so each file tells which run wrote it.
  first=$((i * 1000000))
  run_saves "$first"
  sleep "$(printf '0.%03d' $((5 + RANDOM % 250)))"
  kill_saver
  found=$("$driver" check "$dir" 2>&1) || fail "after the kill: $found"
  read -r cfg dat <<<"$found"

  # Either a file still holds what it held before this run, or a generation of this run.
  for pair in "cfg $cfg $prev_cfg" "dat $dat $prev_dat"; do
    read -r what now before <<<"$pair"
    if [ "$now" != "$before" ] && [ "$now" -lt "$first" ]; then
      fail "the $what file holds generation $now, written neither before nor by this run"
    fi
  done
  # The settings are saved first, the custom quantities right after, generation by generation.
  if [ "$cfg" -ge "$first" ]; then
    if [ "$dat" -ge "$first" ]; then
      [ "$dat" = "$cfg" ] || [ "$dat" = $((cfg - 1)) ] || fail "settings of generation $cfg beside custom quantities of $dat"
      [ "$dat" -gt "$first" ] && during=$((during + 1))
    else
      [ "$cfg" = "$first" ] || fail "the custom quantities fell behind: settings $cfg, custom quantities $dat"
    fi
  else
    [ "$dat" = "$prev_dat" ] || fail "custom quantities of generation $dat saved before settings $first"
  fi

  # Whatever else a kill leaves behind is a temporary file of its own name, never one of the two;
  # the next start removes it.
  while IFS= read -r name; do
    case $name in
      ORLOPREF.CFG | ORL_USER.DAT) ;;
      ORLOPREF.CFG.tmp* | ORL_USER.DAT.tmp*) temporaries=$((temporaries + 1)) ;;
      *) fail "unexpected file after the kill: $name" ;;
    esac
  done < <(ls -A "$dir")
  "$driver" start "$dir" || fail "the start-up clean-up failed"
  left=$(ls -A "$dir" | grep -vx -e ORLOPREF.CFG -e ORL_USER.DAT || true)
  [ -z "$left" ] || fail "temporary files outlived the next start: $left"
  prev_cfg=$cfg
  prev_dat=$dat
done

echo "$kills kills: $during landed after several saves; $temporaries temporary files found right after a kill, none after the next start"
# The random moments must have hit the loop itself, not only its start.
[ "$during" -ge $((kills / 2)) ] || fail "only $during of $kills kills came during the run of saves"
echo "PASS"
