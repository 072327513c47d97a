#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Drives the installed converter in a private X server the way a user does: keyboard only, results
# read through the clipboard and the calculator's bus end, settings checked in the file it writes.
# Usage: window.sh BUILD_DIR PROGRAM_DIR   (PROGRAM_DIR is the program folder below the prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

build=${1:?build directory}
subdir=${2:?program folder below the prefix}
need_tools Xvfb xdotool xclip dbus-run-session gdbus
in_private_bus "$@"

make_scratch
. "$here/install.inc.sh"
prog=$(install_into "$build" "$E2E_TMP/prefix")/$subdir
start_x
convert="$prog/orlo-convert"
cfg="$prog/ORLOPREF.CFG"
caption=" Orlo Unit Converter - "

# wait_caption ID TEXT SECONDS
wait_caption() {
  local deadline=$((SECONDS + $3)) name
  while name=$(window_name "$1"); [ "$name" != "$2" ]; do
    [ $SECONDS -ge $deadline ] && fail "the caption is '$name', expected '$2'"
    sleep 0.1
  done
}
start_orlo() {
  (cd / && exec "$prog/orlo" >>"$E2E_TMP/orlo.log" 2>&1) &
  orlo_pid=$!
  E2E_PIDS+=("$orlo_pid")
}

step "first start: the settings are missing, so one message comes before the window"
# The empty ORL_USER.DAT that comes with the program loads without one.
[ -f "$prog/ORL_USER.DAT" ] && [ ! -s "$prog/ORL_USER.DAT" ] || fail "no empty ORL_USER.DAT in the installation"
start_orlo
answered=$(dismiss_messages "^$caption" 30)
[ "$answered" = 1 ] || fail "$answered start-up messages were shown, expected 1 (the settings)"
main=$(wait_window "^$caption" 5)
[ "$(window_name "$main")" = "${caption}Length" ] || fail "caption is '$(window_name "$main")'"
focus "$main"

step "1 mi into m, units chosen with the keyboard"
# The focus starts in the input box; the From list and the Into list follow the result box.
choose_mile_into_metre
mile=$(unit_index Length "mi: mile")

step "C in the Into list copies the result"
clip_set "(before C)"
keys c
clip_wait "1609.34" 5
# The list still takes the letter: its selection moves on to the next entry starting with c.
expect_result "$("$convert" Length "$mile" "$(unit_index Length "cm: centimeter")" 1)"

step "Temperature from the Convert menu by its access keys"
keys alt+v t
wait_caption "$main" "${caption}Temperature" 5

step "100 °C into °F"
keys shift+Tab
pick "$(unit_index Temperature "°C: deg Celsius")"
keys Tab
pick "$(unit_index Temperature "°F: deg Fahrenheit")"
keys shift+Tab shift+Tab shift+Tab ctrl+a
typed 100
expect_result "212.000"

step "Ctrl+Z, Ctrl+S and Ctrl+R reformat the shown result at once"
keys ctrl+z
expect_result "212.0000000"
keys ctrl+s
expect_result "$("$convert" --figures 10 --scientific Temperature °C °F 100)"
keys ctrl+r
expect_result "212.0000000"

step "A in the Into list hands the result to the calculator"
keys Tab Tab Tab a
calculator_holds "212.0000000" 20
calc_pid=$(timeout 5 gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
  --method org.freedesktop.DBus.GetConnectionUnixProcessID org.orlo.Veldra | sed -n 's/^(uint32 \([0-9]*\),)$/\1/p')
[ -n "$calc_pid" ] && kill -TERM "$calc_pid" 2>/dev/null || true

step "Ctrl+X closes the window and saves the settings"
focus "$main"
keys ctrl+x
wait_exit "$orlo_pid" 15 || fail "the converter exited with status $?"
[ -f "$cfg" ] || fail "no ORLOPREF.CFG beside the program after closing"
[ "$(wc -l <"$cfg")" = 16 ] || fail "ORLOPREF.CFG has $(wc -l <"$cfg") lines, expected 16"
[ "$(grep -c $'\r$' "$cfg")" = 16 ] || fail "ORLOPREF.CFG lines do not all end with CR LF"
[ "$(cfg_line "$cfg" Quantity)" = "$(group_number Temperature)" ] || fail "saved Quantity=$(cfg_line "$cfg" Quantity)"
[ "$(cfg_line "$cfg" Figure)" = 1 ] || fail "10 figures saved as Figure=$(cfg_line "$cfg" Figure), expected 1"

step "second start restores Temperature"
start_orlo
answered=$(dismiss_messages "^$caption" 30)
# Both files are there now.
[ "$answered" = 0 ] || fail "$answered start-up messages were shown, expected none"
main=$(wait_window "^$caption" 5)
[ "$(window_name "$main")" = "${caption}Temperature" ] || fail "caption is '$(window_name "$main")'"

step "SIGTERM closes the window as an ending that saves"
focus "$main"
keys alt+v m
wait_caption "$main" "${caption}Mass" 5
kill -TERM "$orlo_pid"
wait_exit "$orlo_pid" 15 || fail "the converter exited with status $? after SIGTERM"
[ "$(cfg_line "$cfg" Quantity)" = "$(group_number Mass)" ] || fail "saved Quantity=$(cfg_line "$cfg" Quantity) after SIGTERM"

step "the program folder holds the program and its settings, no left-over temporary file"
extra=$(cd "$prog" && ls -A | grep -vx -e orlo -e orlo-convert -e orlo-search-provider -e VELDRA.EXE -e Orlohelp.hlp -e ORLOPREF.CFG -e ORL_USER.DAT || true)
[ -z "$extra" ] || fail "unexpected files in the program folder: $extra"
echo "PASS"
