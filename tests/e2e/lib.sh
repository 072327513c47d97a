# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Shared by the end-to-end scripts: a private X server, bounded waits on windows, processes and
# the clipboard, and failure messages that name the step that broke. Sourced, not run.
# Every wait here is bounded; a script sets its own CTest TIMEOUT above the sum of its waits.

E2E_STEP="setting up"
E2E_PIDS=()
E2E_TMP=""

step() {
  E2E_STEP=$*
  echo "-- $E2E_STEP"
}

# fail MESSAGE: ends the test; with a display up, a picture of the screen goes to the folder
# $E2E_PICTURES (by default the working folder, CTest's build folder of these tests; empty: none).
fail() {
  echo "FAIL [$E2E_STEP]: $*" >&2
  local pictures=${E2E_PICTURES-$PWD}
  if [ -n "${DISPLAY:-}" ] && [ -n "$pictures" ] && command -v import >/dev/null; then
    local picture
    picture="$pictures/$(basename "$0" .sh)-failure.png"
    timeout 10 import -window root "$picture" 2>/dev/null && echo "screen at the failure: $picture" >&2
  fi
  exit 1
}

skip() {
  echo "SKIP: $*"
  exit 77
}

# Ends, by process id, what this script started and is still running (asked first, so the X server
# removes its socket), then removes the scratch folder. Runs on every exit.
e2e_cleanup() {
  local pid deadline=$((SECONDS + 3)) ours=()
  # A process already waited for may have passed its id on; only children still ours are ended.
  for pid in "${E2E_PIDS[@]}"; do
    [ "$(ps -o ppid= -p "$pid" 2>/dev/null | tr -d ' ')" = "$$" ] && ours+=("$pid")
  done
  for pid in "${ours[@]}"; do
    kill -TERM "$pid" 2>/dev/null || true
  done
  for pid in "${ours[@]}"; do
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  if [ -n "$E2E_TMP" ] && [ -z "${E2E_KEEP:-}" ]; then
    rm -rf "$E2E_TMP"
  elif [ -n "$E2E_TMP" ]; then
    echo "scratch folder kept: $E2E_TMP"
  fi
}

# make_scratch: a fresh scratch folder in $E2E_TMP, removed on exit (kept when E2E_KEEP is set).
make_scratch() {
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/orlo-e2e.XXXXXX")
  trap e2e_cleanup EXIT
}

need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
}

# in_private_bus "$@": re-runs the calling script inside its own session bus, once.
in_private_bus() {
  if [ -z "${E2E_IN_BUS:-}" ]; then
    export E2E_IN_BUS=1
    unset DBUS_SESSION_BUS_ADDRESS
    exec dbus-run-session -- bash "$0" "$@"
  fi
}

# start_x: an Xvfb of its own on a free display; exports DISPLAY. The X server reports the display
# number through a pipe once it accepts connections.
start_x() {
  local fifo=$E2E_TMP/displayfd number=""
  mkfifo "$fifo"
  # -noreset: the server would otherwise reset whenever its last client leaves, and a program
  # started right after one has ended could find it in the middle of that.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  read -r -t 20 number <"$fifo" || true
  [ -n "$number" ] || fail "Xvfb did not start within 20 s: $(tail -5 "$E2E_TMP/xvfb.log")"
  export DISPLAY=:$number
  # The program runs as a plain X11 client, whatever session the test was started from.
  unset WAYLAND_DISPLAY XDG_SESSION_TYPE
  export QT_QPA_PLATFORM=xcb
}

# start_wm NAME: a window manager (openbox, icewm) on the display; returns once it manages it, that
# is once the root window names a supporting window-manager window.
start_wm() {
  command -v "$1" >/dev/null || skip "$1 is not installed"
  "$@" >"$E2E_TMP/wm.log" 2>&1 &
  E2E_PIDS+=($!)
  local deadline=$((SECONDS + 15))
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    [ $SECONDS -ge $deadline ] && fail "$1 did not start within 15 s: $(tail -5 "$E2E_TMP/wm.log")"
    sleep 0.1
  done
}

# activate ID: raises and focuses a window through the window manager, as a click on it would.
activate() {
  timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || fail "could not activate window $1"
  sleep 0.2
}

# find_window REGEX: ids of the visible windows whose name matches, one a line (may be none).
find_window() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# wait_window REGEX SECONDS: prints the id of the first visible window whose name matches.
wait_window() {
  local id
  id=$(timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) || true
  [ -n "$id" ] || fail "no window named like '$1' appeared within $2 s"
  echo "$id"
}

# window_name ID
window_name() {
  xdotool getwindowname "$1" 2>/dev/null || true
}

# focus ID: keyboard focus to a window. There is no window manager, so activation requests
# (_NET_ACTIVE_WINDOW) would go unanswered; the focus is set on the window directly.
focus() {
  timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || fail "could not give window $1 the keyboard focus"
}

# keys KEY...: keys pressed one after another in the focused window, with time for each to land.
keys() {
  xdotool key --delay 60 "$@" || fail "xdotool could not press $*"
  sleep 0.2
}

# typed TEXT: text typed into the focused control.
typed() {
  xdotool type --delay 60 -- "$1" || fail "xdotool could not type '$1'"
  sleep 0.2
}

# clip_set TEXT: puts a marker on the clipboard, so a later read proves that the program replaced it.
clip_set() {
  # xclip stays behind to serve the selection; it must not hold the caller's output open.
  printf '%s' "$1" | timeout 5 xclip -selection clipboard -i >/dev/null 2>&1 || fail "xclip could not set the clipboard"
}

# clip_get: the clipboard's text (empty when nobody owns it).
clip_get() {
  timeout 5 xclip -selection clipboard -o 2>/dev/null || true
}

# clip_wait EXPECTED SECONDS: waits for the clipboard to hold EXPECTED; fails with what it held.
clip_wait() {
  local expected=$1 deadline=$((SECONDS + $2)) got
  while :; do
    got=$(clip_get)
    [ "$got" = "$expected" ] && return 0
    [ $SECONDS -ge $deadline ] && fail "clipboard holds '$got', expected '$expected'"
    sleep 0.2
  done
}

# wait_exit PID SECONDS: waits for a child to end; fails if it is still running afterwards.
wait_exit() {
  local pid=$1 deadline=$((SECONDS + $2))
  while kill -0 "$pid" 2>/dev/null; do
    if [ -n "$(ps -o stat= -p "$pid" 2>/dev/null | grep Z)" ]; then
      break
    fi
    [ $SECONDS -ge $deadline ] && fail "process $pid still runs $2 s later"
    sleep 0.1
  done
  wait "$pid" 2>/dev/null
}

# dismiss_messages MAIN_REGEX SECONDS: answers the program's start-up messages (windows titled
# " Orlo Unit Converter" alone) with Enter until the main window shows; prints how many it answered.
dismiss_messages() {
  local main=$1 deadline=$((SECONDS + $2)) answered=0 box
  while [ -z "$(find_window "$main")" ]; do
    [ $SECONDS -ge $deadline ] && fail "the main window did not appear within $2 s ($answered messages answered)"
    box=$(find_window '^ Orlo Unit Converter$' | head -1)
    if [ -n "$box" ]; then
      focus "$box"
      xdotool key Return
      answered=$((answered + 1))
      # The same box must go before the next one is looked for.
      local gone=$((SECONDS + 5))
      while xdotool search --onlyvisible --name '^ Orlo Unit Converter$' 2>/dev/null | grep -qx "$box"; do
        [ $SECONDS -ge $gone ] && fail "a message box did not close on Enter"
        sleep 0.1
      done
    fi
    sleep 0.1
  done
  echo "$answered"
}

# cfg_line FILE KEY: the value after "KEY=" in a configuration file, line ends stripped.
cfg_line() {
  grep -a "^$2=" "$1" | head -1 | cut -d= -f2- | tr -d '\r'
}

# The converter window through the keyboard. These need $convert, the orlo-convert beside the program.
# group_number NAME / unit_index GROUP LABEL: positions as the catalogue lists them.
group_number() {
  "$convert" --list | awk -v want="$1" '{ n = $1; sub(/^ *[0-9]+  /, ""); if ($0 == want) print n }'
}
unit_index() {
  local i
  i=$("$convert" --list "$1" | awk -v want="$2" '{ n = $1; sub(/^ *[0-9]+  /, ""); if ($0 == want) print n }')
  [ -n "$i" ] || fail "the catalogue has no unit '$2' in $1"
  echo "$i"
}
# pick INDEX: selects a list's entry from the keyboard; the focus is in the list. Arrows only
# select when they move, so Space selects the entry reached (the first one reached by no move).
pick() {
  local downs=()
  for ((n = 0; n < $1; n++)); do downs+=(Down); done
  keys Home "${downs[@]}" space
}
# copied_result: the result box's text, through Edit, Copy (Ctrl+C works from any control). The
# keys are handled in order, so once the marker is gone the copy shows every key pressed before.
copied_result() {
  local marker="(nothing copied)" deadline=$((SECONDS + 5)) got
  clip_set "$marker"
  keys ctrl+c
  while got=$(clip_get); [ "$got" = "$marker" ] && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
  echo "$got"
}
expect_result() {
  local got
  got=$(copied_result)
  [ "$got" = "$1" ] || fail "the result box holds '$got', expected '$1'"
}

# offscreen_program BIN_DIR: the built converter and its help in $E2E_TMP/prog (echoed), for tests
# that run it on the offscreen platform, without an X server.
offscreen_program() {
  local prog=$E2E_TMP/prog
  mkdir -p "$prog"
  cp "$1/orlo" "$1/Orlohelp.hlp" "$prog/"
  echo "$prog"
}

# choose_mile_into_metre: with the focus in the input box of a Length window, types 1 and picks
# mi into m in the two lists, which leaves the focus in the Into list.
choose_mile_into_metre() {
  typed 1
  keys Tab Tab
  pick "$(unit_index Length "mi: mile")"
  keys Tab
  pick "$(unit_index Length "m: meter")"
  expect_result "1609.34"
}

# calculator_holds TEXT [SECONDS]: waits until the companion calculator's input box, read through
# its bus end, holds TEXT.
calculator_holds() {
  local deadline=$((SECONDS + ${2:-10})) got=""
  until [ "$got" = "$1" ]; do
    [ $SECONDS -ge $deadline ] && fail "the calculator's input box holds '$got', expected '$1'"
    sleep 0.2
    got=$(timeout 5 gdbus call --session --dest org.orlo.Veldra --object-path /frmCalc \
      --method org.orlo.Veldra.frmCalc.Text txtInput 2>/dev/null | sed -n "s/^('\(.*\)',)$/\1/p") || true
  done
}
