#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The installed converter under a real window manager: its frame's corner goes where the settings
# say and is saved the same, over ten starts in a row with and without a start-up message before the
# window; always on top changes the stacking state of the same native window in the same place
# (Ctrl+T, and the hand-over to the constants window); the task-bar entry follows the notification
# area (icewm has one, openbox none).
# Under openbox, which has no notification area, a StatusNotifierItem panel that starts after the
# converter gets its icon, and the panel's context-menu request is answered at once.
# Usage: desktop.sh BUILD_DIR PROGRAM_DIR WM SNI_WATCHER   (WM: openbox or icewm)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
build=${1:?build directory}
subdir=${2:?program folder below the prefix}
wm=${3:?window manager}
sni_watcher=${4:?StatusNotifierWatcher helper}
need_tools Xvfb xdotool xprop xwininfo dbus-run-session "$wm"
in_private_bus "$@"
make_scratch
. "$here/install.inc.sh"
prog=$(install_into "$build" "$E2E_TMP/prefix")/$subdir
start_x
case $wm in
  openbox) start_wm openbox --sm-disable --config-file /dev/null ;;
  icewm) HOME=$E2E_TMP start_wm icewm ;;
esac
start_orlo() {
  (cd / && exec "$prog/orlo" >"$E2E_TMP/orlo.log" 2>&1) &
  orlo_pid=$!
  E2E_PIDS+=("$orlo_pid")
  dismiss_messages '^ Orlo Unit Converter - ' 30 >/dev/null
  main=$(wait_window '^ Orlo Unit Converter - Length$' 5)
  activate "$main"
}
# frame_rect ID: "x y width height top" of the window's outer frame, top being its title-bar height,
# from the X server and the window manager's _NET_FRAME_EXTENTS, as a user sees it.
# frame_corner ID: "x,y" of the frame.
# frame_centred ID: the frame stands in the middle of the 1280x1024 screen, halved towards zero.
frame_rect() {
  local x y w h left right top bottom
  x=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
  w=$(xwininfo -id "$1" | sed -n 's/^ *Width: *//p')
  h=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom)) $top"
}
frame_centred() {
  local fx fy fw fh
  read -r fx fy fw fh _ < <(frame_rect "$1")
  [ "$fx,$fy" = "$(((1280 - fw) / 2)),$(((1024 - fh) / 2))" ] \
    || fail "the frame ${fw}x${fh} stands at $fx,$fy, not in the middle"
}
frame_corner() {
  local fx fy
  read -r fx fy _ < <(frame_rect "$1")
  echo "$fx,$fy"
}
# menu_offset ID: opens the Convert menu and prints where its window stands against the inside of
# window ID ("dx,dy"), as the X server has both. Qt places the menu from its own idea of where the
# window is, so a stale idea moves the menu.
menu_offset() {
  local x y popup="" w deadline=$((SECONDS + 5))
  x=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
  y=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
  keys alt+v
  while [ -z "$popup" ] && [ $SECONDS -lt $deadline ]; do
    for w in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
      xwininfo -id "$w" 2>/dev/null | grep -q IsViewable || continue
      xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DROPDOWN_MENU && popup=$w
    done
    [ -n "$popup" ] || sleep 0.1
  done
  [ -n "$popup" ] || fail "the Convert menu did not open"
  echo "$(($(xwininfo -id "$popup" | sed -n 's/^ *Absolute upper-left X: *//p') - x)),$(($(xwininfo -id "$popup" | sed -n 's/^ *Absolute upper-left Y: *//p') - y))"
  keys Escape
}
# The Convert title's lower left corner inside the window, as Qt lays out the menu bar with the test
# machine's fonts: the same under every window manager.
menu_at="79,19"
cfg=$prog/ORLOPREF.CFG
# Top=1350 and Left=840 twips, 15 twips a pixel: the frame's corner belongs at (56, 90).
printf '[Window]\r\nTop=1350\r\nLeft=840\r\nConstantsTop=1650\r\nConstantsLeft=2500\r\nQuantity=0\r\nUnit=0\r\n[Option]\r\nShowTop=0\r\nFigure=6\r\nForm=0\r\nFaceColor=-1\r\nTextColor=-1\r\nTextColor1=-1\r\nTextColor2=-1\r\nTextColor3=-1\r\n' >"$cfg"
for ((run = 1; run <= 10; run++)); do
  # The first five with a start-up message before the window (no custom quantity file).
  if [ "$run" -le 5 ]; then rm -f "$prog/ORL_USER.DAT"; else : >"$prog/ORL_USER.DAT"; fi
  step "start $run of 10 under $wm"
  start_orlo
  corner=$(frame_corner "$main")
  [ "$corner" = "56,90" ] || fail "the frame's corner is at $corner, expected 56,90"
  if [ "$run" = 1 ] || [ "$run" = 6 ]; then
    offset=$(menu_offset "$main")
    [ "$offset" = "$menu_at" ] || fail "the Convert menu opens at $offset inside the window, expected $menu_at"
  fi
  keys ctrl+x
  wait_exit "$orlo_pid" 10
  echo "start $run: frame at $corner, saved Top=$(cfg_line "$cfg" Top) Left=$(cfg_line "$cfg" Left)"
  [ "$(cfg_line "$cfg" Top),$(cfg_line "$cfg" Left)" = "1350,840" ] \
    || fail "saved Top=$(cfg_line "$cfg" Top) Left=$(cfg_line "$cfg" Left), expected 1350 and 840"
done

step "a stored position off every screen comes back reachable, and the file keeps it"
sed -i 's/^Top=.*/Top=-30000\r/; s/^Left=.*/Left=30000\r/' "$cfg"
start_orlo
# The whole title bar inside the screen's available area, once the window manager has framed it.
sleep 0.7
read -r fx fy fw fh title < <(frame_rect "$main")
echo "pulled in: frame ${fw}x${fh} at $fx,$fy"
[ "$fx" -ge 0 ] && [ "$fy" -ge 0 ] && [ $((fx + fw)) -le 1280 ] && [ $((fy + title)) -le 1024 ] \
  || fail "the frame ${fw}x${fh} stands at $fx,$fy, its title bar not wholly on the screen"
offset=$(menu_offset "$main")
[ "$offset" = "$menu_at" ] || fail "after the pull-in the Convert menu opens at $offset, expected $menu_at"
keys ctrl+x
wait_exit "$orlo_pid" 10
[ "$(cfg_line "$cfg" Top),$(cfg_line "$cfg" Left)" = "-30000,30000" ] \
  || fail "saved Top=$(cfg_line "$cfg" Top) Left=$(cfg_line "$cfg" Left) for a window left where it was put"
sed -i 's/^Top=.*/Top=1350\r/; s/^Left=.*/Left=840\r/' "$cfg"
start_orlo

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
# ConstantsLeft=2500 and ConstantsTop=1650 twips: the frame's corner at (167, 110).
[ "$(frame_corner "$constants")" = "167,110" ] || fail "the constants window's frame is at $(frame_corner "$constants")"
has_state "$main" _NET_WM_STATE_ABOVE no 5
activate "$constants"
keys Escape
has_state "$main" _NET_WM_STATE_ABOVE yes 5
[ -n "$(find_window '^ Orlo Unit Converter - Length$' | grep -x "$main")" ] || fail "the window was re-created"
[ "$(place "$main")" = "$before" ] || fail "the window moved from $before to $(place "$main")"

step "the About box and the custom quantity editor centre their frames"
activate "$main"
keys alt+h a
about=$(wait_window '^ About Orlo Unit Converter$' 5)
sleep 0.7
frame_centred "$about"
activate "$about"
keys Return
activate "$main"
keys alt+o a
editor=$(wait_window '^ Add/Edit Custom Quantities$' 5)
sleep 0.7
frame_centred "$editor"
activate "$editor"
keys Escape

step "the saved positions are the frames' corners as they were placed"
activate "$main"
keys ctrl+x
wait_exit "$orlo_pid" 10
# 2500 twips are 166.7 pixels: the window stands on pixel 167, which is 2505 twips.
for key in Top=1350 Left=840 ConstantsTop=1650 ConstantsLeft=2505; do
  [ "$(cfg_line "$cfg" "${key%%=*}")" = "${key#*=}" ] || fail "saved ${key%%=*}=$(cfg_line "$cfg" "${key%%=*}"), expected ${key#*=}"
done

if [ "$wm" = openbox ]; then
  step "a StatusNotifierItem panel that comes after the converter gets the icon"
  start_orlo
  "$sni_watcher" >"$E2E_TMP/watcher.log" 2>&1 &
  E2E_PIDS+=($!)
  deadline=$((SECONDS + 10))
  until grep -q "registered org.kde.StatusNotifierItem-$orlo_pid-" "$E2E_TMP/watcher.log"; do
    [ $SECONDS -ge $deadline ] && fail "no item registered with the late watcher: $(cat "$E2E_TMP/watcher.log")"
    sleep 0.1
  done
  item=$(sed -n "s/^registered //p" "$E2E_TMP/watcher.log" | head -1)
  started=$SECONDS
  timeout 3 gdbus call --session --dest "$item" --object-path /StatusNotifierItem \
    --method org.kde.StatusNotifierItem.ContextMenu 10 10 >/dev/null || fail "the context-menu request was not answered"
  echo "context menu answered after $((SECONDS - started)) s"
  keys Escape
  activate "$main"
  keys ctrl+x
  wait_exit "$orlo_pid" 10
fi

step "a failed save's message shows alone: the window is out of view meanwhile"
start_orlo
chmod 0444 "$cfg" # refused by the save, as a frozen file must be
keys ctrl+x
box=$(wait_window '^ Orlo Unit Converter$' 5)
left=$(xwininfo -id "$main" 2>/dev/null | sed -n 's/^ *Absolute upper-left X: *//p')
width=$(xwininfo -id "$main" 2>/dev/null | sed -n 's/^ *Width: *//p')
if xwininfo -id "$main" 2>/dev/null | grep -q 'Map State: IsViewable'; then
  [ $((left + width)) -le 0 ] || fail "the window is still on the screen at x=$left during the message"
fi
activate "$box"
keys Return
wait_exit "$orlo_pid" 10
chmod 0644 "$cfg"
echo "PASS"
