#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Builds the Debian package with scripts/package (lintian must report no error and no warning),
# installs it with apt-get, uses it as an ordinary user would (the window in a private X server, its
# settings in the user's configuration folder, orlo-convert from /usr/bin), checks that the desktop
# finds the menu entry, icon, metainfo and manual pages, and removes it again, leaving the list of
# installed packages as it was. Skipped (77) without root or the packaging tools, and when an orlo
# package is installed already (the test would replace it).
# Usage: package.sh SOURCE_DIR SCRATCH_DIR VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/lib.sh"
src=${1:?source folder} scratch=${2:?scratch folder} version=${3:?version}

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
need_tools dpkg-buildpackage dh lintian apt-get setpriv Xvfb xdotool
if dpkg-query -W -f='${Status}' orlo 2>/dev/null | grep -q 'ok installed'; then
  skip "an orlo package is installed already; this test would replace it"
fi

make_scratch
packages_before=$E2E_TMP/packages-before
dpkg-query -W -f='${Package}\n' | sort >"$packages_before"
installed=""
remove_package() {
  [ -n "$installed" ] || return 0
  installed=""
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq orlo >"$E2E_TMP/purge.log" 2>&1 \
    || { cat "$E2E_TMP/purge.log"; return 1; }
  # Whatever the installation pulled in goes too.
  local pulled
  pulled=$(comm -13 "$packages_before" <(dpkg-query -W -f='${db:Status-Status} ${Package}\n' | awk '$1 == "installed" { print $2 }' | sort))
  if [ -n "$pulled" ]; then
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $pulled >>"$E2E_TMP/purge.log" 2>&1 || true
  fi
}
trap 'remove_package; e2e_cleanup' EXIT

step "building the package (lintian must be clean)"
rm -rf "$scratch"
"$src/scripts/package" "$scratch" || fail "scripts/package failed with status $?"
deb=$(ls "$scratch"/orlo_"$version"_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no orlo_${version}_*.deb in $scratch"
echo "files of $(basename "$deb"):"
dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print "  " $6 " " $7 " " $8 }'

step "installing it with apt-get"
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$E2E_TMP/install.log" 2>&1 \
  || { cat "$E2E_TMP/install.log"; fail "apt-get could not install $deb"; }

step "the files are where the desktop and the shell look for them"
for f in /usr/bin/orlo /usr/bin/orlo-convert /usr/lib/orlo/orlo /usr/lib/orlo/orlo-convert \
  /usr/lib/orlo/VELDRA.EXE /usr/lib/orlo/Orlohelp.hlp \
  /usr/share/applications/org.orlo.Converter.desktop /usr/share/metainfo/org.orlo.Converter.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.orlo.Converter.svg \
  /usr/share/icons/hicolor/48x48/apps/org.orlo.Converter.png \
  /usr/share/doc/orlo/copyright /usr/lib/orlo/orlo-search-provider \
  /usr/share/dbus-1/services/org.orlo.Converter.SearchProvider.service \
  /usr/share/gnome-shell/search-providers/org.orlo.Converter.search-provider.ini \
  /usr/share/krunner/dbusplugins/org.orlo.Converter.desktop; do
  [ -e "$f" ] || fail "$f is missing"
done
[ "$(man -w orlo)" = /usr/share/man/man1/orlo.1.gz ] || fail "man finds no orlo(1): '$(man -w orlo 2>&1)'"
[ "$(man -w orlo-convert)" = /usr/share/man/man1/orlo-convert.1.gz ] || fail "man finds no orlo-convert(1)"
grep -qx 'Exec=/usr/lib/orlo/orlo-search-provider' /usr/share/dbus-1/services/org.orlo.Converter.SearchProvider.service \
  || fail "the search provider's service file does not start /usr/lib/orlo/orlo-search-provider"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.orlo.Converter.desktop)
[ "$(command -v "${exec_line%% *}")" = /usr/bin/orlo ] || fail "the menu entry's Exec=$exec_line is not /usr/bin/orlo"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/org.orlo.Converter.metainfo.xml >/dev/null \
    || fail "the installed metainfo does not validate"
fi

step "orlo-convert from /usr/bin, as an ordinary user"
user_home=$E2E_TMP/home
mkdir -p "$user_home"
# The scratch folder is root's (0700); the user must reach the home folder inside it.
chmod a+x "$E2E_TMP"
chown nobody:nogroup "$user_home"
as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env -u XDG_CONFIG_HOME HOME="$user_home")
got=$(cd / && "${as_user[@]}" orlo-convert Length mi m 1) || fail "orlo-convert failed"
[ "$got" = 1609.34 ] || fail "orlo-convert Length mi m 1 printed '$got'"
[ "$(orlo --version)" = "orlo $version" ] || fail "orlo --version printed '$(orlo --version)'"

step "the converter's window, as an ordinary user, without a session bus"
start_x
# A bus address that leads nowhere: the converter runs alone, and no bus is started for the display.
(cd / && exec "${as_user[@]}" DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus" /usr/bin/orlo \
  >"$E2E_TMP/orlo.log" 2>&1) &
orlo_pid=$!
E2E_PIDS+=("$orlo_pid")
answered=$(dismiss_messages '^ Orlo Unit Converter - ' 30)
main=$(wait_window '^ Orlo Unit Converter - Length$' 5)
echo "window up after $answered start-up messages"
focus "$main"
keys ctrl+x
wait_exit "$orlo_pid" 10 || fail "the converter ended with status $?: $(cat "$E2E_TMP/orlo.log")"
cfg=$user_home/.config/Orlo/ORLOPREF.CFG
[ -f "$cfg" ] || fail "no settings in $cfg: $(cat "$E2E_TMP/orlo.log")"
[ "$(wc -l <"$cfg")" -eq 16 ] || fail "$cfg has $(wc -l <"$cfg") lines, expected 16"
[ "$(stat -c %U "$cfg")" = nobody ] || fail "$cfg belongs to $(stat -c %U "$cfg")"
[ ! -e /usr/lib/orlo/ORLOPREF.CFG ] || fail "the converter wrote into the program folder"

step "removing the package"
remove_package || fail "apt-get could not remove the package"
for f in /usr/bin/orlo /usr/bin/orlo-convert /usr/lib/orlo /usr/share/applications/org.orlo.Converter.desktop \
  /usr/share/man/man1/orlo.1.gz /usr/share/doc/orlo /usr/share/dbus-1/services/org.orlo.Converter.SearchProvider.service; do
  [ ! -e "$f" ] || fail "$f is still there after the removal"
done
packages_after=$E2E_TMP/packages-after
dpkg-query -W -f='${Package}\n' | sort >"$packages_after"
diff -u "$packages_before" "$packages_after" || fail "the installed packages differ from before"
echo "PASS: built, installed, used and removed $(basename "$deb")"
