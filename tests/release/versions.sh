#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Both programs print the version the build defines, and the metainfo and the Debian changelog
# describe the same release.
# Usage: versions.sh VERSION ORLO ORLO_CONVERT METAINFO CHANGELOG
set -uo pipefail
version=$1 orlo=$2 convert=$3 metainfo=$4 changelog=$5
failed=0
check() {
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got '$2', expected '$3'"
    failed=1
  fi
}
# No display is needed: --version answers before the toolkit starts.
check "orlo --version" "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$orlo" --version 2>&1)" "orlo $version"
check "orlo-convert --version" "$("$convert" --version 2>&1)" "orlo-convert $version"
check "orlo-convert --version exit status" "$("$convert" --version >/dev/null 2>&1; echo $?)" 0
check "newest metainfo release" "$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)" "$version"
check "newest changelog entry" "$(head -1 "$changelog" | sed -n 's/^orlo (\([^)]*\)).*/\1/p')" "$version"
[ "$failed" -eq 0 ] && echo "every place names version $version"
exit "$failed"
