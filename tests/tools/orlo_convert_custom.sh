#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# orlo-convert converts the custom groups of the ORL_USER.DAT beside it, and runs without one.
set -eu
exe=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$exe" "$dir/orlo-convert"
[ "$("$dir/orlo-convert" Length mi m 1)" = "1609.34" ] || { echo "no file: wrong result"; exit 1; }
. "$(dirname "$0")/../support/dat.inc.sh"
custom_dat Heat "K|1|" "C|1|273.15" >"$dir/ORL_USER.DAT"
got=$("$dir/orlo-convert" 29 C K 100)
[ "$got" = "373.150" ] || { echo "group 29 by number gave '$got'"; exit 1; }
got=$("$dir/orlo-convert" Heat K C 0)
[ "$got" = "-273.150" ] || { echo "group Heat by name gave '$got'"; exit 1; }
"$dir/orlo-convert" --list | grep -q '29  Heat' || { echo "--list lacks the custom group"; exit 1; }
echo "custom groups convert"
