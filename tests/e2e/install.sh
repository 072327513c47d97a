#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Installs the build into a scratch prefix and uses it as an installed program: the layout and the
# links, orlo-convert through its link, the converter started the way its desktop entry does, and
# an installation the user may not write to, whose files then live in the user's configuration.
# Usage: install.sh BUILD_DIR PROGRAM_DIR BIN_DIR   (folders below the prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

build=${1:?build directory}
subdir=${2:?program folder below the prefix}
bindir=${3:?bin folder below the prefix}
need_tools Xvfb xdotool dbus-run-session
in_private_bus "$@"

make_scratch
. "$here/install.inc.sh"
caption=" Orlo Unit Converter - "

step "cmake --install lays out one program folder"
prefix=$(install_into "$build" "$E2E_TMP/prefix")
prog=$prefix/$subdir
listing=$(cd "$prog" && ls -A | sort | tr '\n' ' ')
[ "$listing" = "ORL_USER.DAT Orlohelp.hlp VELDRA.EXE orlo orlo-convert orlo-search-provider " ] || fail "the program folder holds: $listing"
[ ! -s "$prog/ORL_USER.DAT" ] || fail "the installed ORL_USER.DAT is not empty"
for exe in orlo VELDRA.EXE orlo-convert orlo-search-provider; do
  [ -x "$prog/$exe" ] && [ ! -L "$prog/$exe" ] || fail "$exe is not an executable file in the program folder"
done
cmp -s "$prog/Orlohelp.hlp" "$build/bin/Orlohelp.hlp" || fail "the installed Orlohelp.hlp differs from the built one"

step "bin/ holds relative links into the program folder"
listing=$(cd "$prefix/$bindir" && ls -A | sort | tr '\n' ' ')
[ "$listing" = "orlo orlo-convert " ] || fail "bin/ holds: $listing"
for exe in orlo orlo-convert; do
  link=$prefix/$bindir/$exe
  [ -L "$link" ] || fail "bin/$exe is not a link"
  case $(readlink "$link") in /*) fail "bin/$exe points to the absolute $(readlink "$link")" ;; esac
  [ "$(readlink -f "$link")" = "$(readlink -f "$prog/$exe")" ] || fail "bin/$exe leads to $(readlink -f "$link")"
done

step "a staged installation (DESTDIR) keeps its links inside the stage"
stage=$E2E_TMP/stage
DESTDIR=$stage install_into "$build" /opt/orlo >/dev/null
[ "$(readlink -f "$stage/opt/orlo/$bindir/orlo")" = "$stage/opt/orlo/$subdir/orlo" ] \
  || fail "the staged bin/orlo leads to $(readlink -f "$stage/opt/orlo/$bindir/orlo")"
rm -rf "$stage"

# A custom quantity file: group "Furlongs" with units "fur" and "m", every other text empty.
# Each text is a 16-bit little-endian length and its bytes; 220 records of three texts.
dat_text() { printf "\\x$(printf %02x $((${#1} % 256)))\\x$(printf %02x $((${#1} / 256)))%s" "$1"; }
write_dat() {
  {
    dat_text Furlongs; dat_text ""; dat_text ""
    dat_text fur; dat_text 201.168; dat_text ""
    dat_text m; dat_text 1; dat_text ""
    for ((r = 3; r < 220; r++)); do printf '\0\0\0\0\0\0'; done
  } >"$1"
}

step "orlo-convert through its link finds the files of the program folder"
out=$("$prefix/$bindir/orlo-convert" Length mi m 1) || fail "orlo-convert failed: $out"
[ "$out" = "1609.34" ] || fail "1 mi in m gave '$out'"
write_dat "$prog/ORL_USER.DAT"
out=$("$prefix/$bindir/orlo-convert" Furlongs fur m 2 2>&1) || fail "the custom group beside the program was not found: $out"
[ "$out" = "402.336" ] || fail "2 fur in m gave '$out'"
cp "$prog/ORL_USER.DAT" "$E2E_TMP/custom.dat"
install_into "$build" "$prefix" >/dev/null
cmp -s "$prog/ORL_USER.DAT" "$E2E_TMP/custom.dat" || fail "installing again replaced the custom quantities beside the program"

start_x
# start_gui ID_VAR CMD...: starts a converter; its process id goes to the variable ID_VAR.
start_gui() {
  local var=$1
  shift
  (cd / && exec "$@" >>"$E2E_TMP/orlo.log" 2>&1) &
  printf -v "$var" '%s' "$!"
  E2E_PIDS+=("$!")
}
# close_gui PID: Ctrl+X, then the program must end without any message in the way.
close_gui() {
  local pid=$1 deadline=$((SECONDS + 15))
  focus "$(wait_window "^$caption" 5)"
  keys ctrl+x
  while kill -0 "$pid" 2>/dev/null && ! ps -o stat= -p "$pid" | grep -q Z; do
    [ -n "$(find_window '^ Orlo Unit Converter$')" ] && fail "a message came up on closing: the save failed"
    [ $SECONDS -ge $deadline ] && fail "the converter still runs 15 s after Ctrl+X"
    sleep 0.1
  done
  wait "$pid" || fail "the converter exited with status $?"
}

step "not writable by the user: the files go to the user's configuration folder"
home=$E2E_TMP/home
user_cfg=$home/config/Orlo
mkdir -p "$home/config"
as_user=()
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || skip "setpriv is needed to run the converter as another user"
  # The scratch folders must be reachable for the user; the installation stays root's own.
  chmod 755 "$E2E_TMP"
  chown -R nobody:nogroup "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod a-w "$prog"
fi
"${as_user[@]}" test -w "$prog" && fail "the user may write to the program folder"
# The user's own session bus: the test's bus would not let another user in.
run_as_user=("${as_user[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/config" DISPLAY="$DISPLAY"
  QT_QPA_PLATFORM=xcb dbus-run-session --)
start_gui pid "${run_as_user[@]}" "$prefix/$bindir/orlo"
answered=$(dismiss_messages "^$caption" 30)
[ "$answered" = 1 ] || fail "$answered start-up messages, expected 1 (the settings; the custom quantities come from the program folder)"
close_gui "$pid"
cmp -s "$user_cfg/ORL_USER.DAT" "$prog/ORL_USER.DAT" || fail "the user's folder did not start from the program folder's custom quantities"
[ -f "$user_cfg/ORLOPREF.CFG" ] || fail "no ORLOPREF.CFG in $user_cfg"
[ "$(wc -l <"$user_cfg/ORLOPREF.CFG")" = 16 ] || fail "the saved ORLOPREF.CFG has $(wc -l <"$user_cfg/ORLOPREF.CFG") lines"
[ ! -e "$prog/ORLOPREF.CFG" ] || fail "ORLOPREF.CFG was written beside the program"

step "not writable by the user: the settings are read back from there"
sed -i 's/^Quantity=.*/Quantity=6\r/' "$user_cfg/ORLOPREF.CFG"
start_gui pid "${run_as_user[@]}" "$prefix/$bindir/orlo"
answered=$(dismiss_messages "^$caption" 30)
[ "$answered" = 0 ] || fail "$answered start-up messages, expected none (both files are in the user's folder)"
name=$(window_name "$(wait_window "^$caption" 5)")
[ "$name" = "${caption}Temperature" ] || fail "caption '$name', expected the Temperature kept in $user_cfg"
close_gui "$pid"
[ "$(id -u)" = 0 ] || chmod u+w "$prog"

step "started as its desktop entry says, the installed converter opens its window"
desktop=$prefix/share/applications/org.orlo.Converter.desktop
[ -f "$desktop" ] || fail "no desktop entry installed"
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -1)
[ -n "$exec_line" ] || fail "the desktop entry has no Exec line"
# A launcher runs the Exec line with the prefix's bin/ in PATH; field codes (%f, %U) are dropped.
read -r -a command <<<"${exec_line//%[a-zA-Z]/}"
other=$E2E_TMP/other
mkdir -p "$other/config"
start_gui pid env PATH="$prefix/$bindir:$PATH" HOME="$other" XDG_CONFIG_HOME="$other/config" "${command[@]}"
answered=$(dismiss_messages "^$caption" 30)
[ "$answered" = 1 ] || fail "$answered start-up messages, expected 1 (the settings)"
name=$(window_name "$(wait_window "^$caption" 5)")
[ "$name" = "${caption}Length" ] || fail "caption '$name'"
close_gui "$pid"
[ -f "$prog/ORLOPREF.CFG" ] || fail "the writable installation did not keep ORLOPREF.CFG beside the program"
[ -z "$(ls -A "$other/config")" ] || fail "the writable installation wrote into the user's configuration folder"
echo "PASS"
