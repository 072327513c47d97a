#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The four command labels pressed from the keyboard, as a keyboard user reaches them: Tab to a label,
# then Space or Enter runs its command, the same as a click. In a private X server with openbox (which
# a window taken out of view needs) and a private session bus.
# Usage: label_keys.sh BUILD_DIR PROGRAM_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=${1:?build directory}
subdir=${2:?program folder below the prefix}
need_tools Xvfb xdotool xclip xprop dbus-run-session gdbus openbox
in_private_bus "$@"
make_scratch
. "$here/install.inc.sh"
prog=$(install_into "$build" "$E2E_TMP/prefix")/$subdir
convert="$prog/orlo-convert"
start_x
start_wm openbox --sm-disable --config-file /dev/null
(cd / && exec "$prog/orlo" >"$E2E_TMP/orlo.log" 2>&1) &
E2E_PIDS+=($!)
dismiss_messages '^ Orlo Unit Converter - ' 30 >/dev/null
main=$(wait_window '^ Orlo Unit Converter - Length$' 5)
activate "$main"

out_of_view() {
  local deadline=$((SECONDS + 5))
  while xdotool search --onlyvisible --name '^ Orlo Unit Converter - Length$' 2>/dev/null | grep -qx "$main"; do
    [ $SECONDS -ge $deadline ] && fail "the window is still in view"
    sleep 0.1
  done
}

step "1 mi into m"
choose_mile_into_metre

# Tab order after the Into list: Paste, Minimize, Calculator, Copy. The focus stays on a label after
# its command, so the next label is a Tab or two away.
step "Space and Enter on Paste paste"
clip_set "2"
keys Tab space
expect_result "3218.69"
clip_set "3"
keys Return
expect_result "4828.03"

step "Enter and Space on Copy copy"
clip_set "(nothing yet)"
keys Tab Tab Tab Return
clip_wait "4828.03" 5
clip_set "(nothing yet)"
keys space
clip_wait "4828.03" 5

step "Space and Enter on Calculator hand the result over"
keys shift+Tab space
calculator_holds "4828.03"
activate "$main"
clip_set "1"
keys shift+Tab shift+Tab Return Tab Tab Return
calculator_holds "1609.34"
activate "$main"

step "Enter and Space on Minimize take the window out of view"
keys shift+Tab Return
out_of_view
# Back into view through the window manager. The window comes back as a new native window, so it
# is looked up again, and asked again until it shows.
deadline=$((SECONDS + 15))
until main=$(find_window '^ Orlo Unit Converter - Length$' | head -1) && [ -n "$main" ]; do
  [ $SECONDS -ge $deadline ] && fail "the window did not come back into view"
  for id in $(xdotool search --name '^ Orlo Unit Converter - Length$' 2>/dev/null); do
    xdotool windowactivate "$id" 2>/dev/null || true
  done
  sleep 0.5
done
activate "$main"
keys space
out_of_view
echo "PASS"
