#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# The search provider as the desktop meets it: on a private session bus that starts it from its
# service file when the first search asks, in a private X server (for the clipboard), with settings
# (4 figures) and a custom quantity of its own beside it. The client makes GNOME Shell's and
# KRunner's calls; afterwards the program folder must hold exactly what it held before.
# Usage: run.sh PROVIDER CONVERTER CLIENT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/lib.sh"
provider=${1:?search provider} converter=${2:?converter} client=${3:?test client}
need_tools Xvfb dbus-run-session
make_scratch
start_x
prog=$E2E_TMP/prog
mkdir "$prog"
cp "$provider" "$converter" "$prog/"
printf '[Window]\r\nTop=1350\r\nLeft=840\r\nConstantsTop=1650\r\nConstantsLeft=2500\r\nQuantity=0\r\nUnit=0\r\n[Option]\r\nShowTop=0\r\nFigure=4\r\nForm=0\r\nFaceColor=-1\r\nTextColor=-1\r\nTextColor1=-1\r\nTextColor2=-1\r\nTextColor3=-1\r\n' >"$prog/ORLOPREF.CFG"
. "$here/../support/dat.inc.sh"
custom_dat Cooking "pot|16|" "dash: dashes|1|" >"$prog/ORL_USER.DAT"

services=$E2E_TMP/services
mkdir "$services"
printf '[D-BUS Service]\nName=org.orlo.Converter.SearchProvider\nExec=%s --idle-timeout=2\n' \
  "$prog/orlo-search-provider" >"$services/org.orlo.Converter.SearchProvider.service"
cat >"$E2E_TMP/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$E2E_TMP</listen>
  <servicedir>$services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF

# The folder as the provider must leave it. The converter that LaunchSearch starts takes its lock
# there, and the test kills it before it saves anything; its lock file is left out.
listing() { (cd "$prog" && ls -l --time-style=+%s.%N | grep -v -e ' ORLO.LCK$' -e '^total '); }
before=$(listing)
unset DBUS_SESSION_BUS_ADDRESS
(cd / && timeout 120 dbus-run-session --config-file="$E2E_TMP/session.conf" -- "$client" "$prog") \
  || fail "the client's checks failed"
after=$(listing)
[ "$before" = "$after" ] || fail "the program folder changed:
$(diff <(echo "$before") <(echo "$after"))"
echo "PASS"
