#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Formats each manual page with man's warnings on; any warning of groff or lexgrog (the NAME
# section that apropos and whatis read) fails the test.
# Usage: man_pages.sh VERSION PAGE...
set -uo pipefail
version=$1
shift
command -v man >/dev/null || { echo "SKIP: man is not installed"; exit 77; }
command -v lexgrog >/dev/null || { echo "SKIP: lexgrog is not installed"; exit 77; }
failed=0
for page in "$@"; do
  name=$(basename "$page" .1)
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "FAIL: $page: $warnings"
    failed=1
  fi
  whatis=$(lexgrog "$page" 2>&1)
  if ! grep -q "\"$name - " <<<"$whatis"; then
    echo "FAIL: $page: lexgrog reads no NAME line for $name: $whatis"
    failed=1
  fi
  # The header names the release the page describes.
  major_minor=${version%.*}
  if ! grep -q "^\.TH .*\"Orlo Unit Converter $major_minor\"" "$page"; then
    echo "FAIL: $page: its header does not name Orlo Unit Converter $major_minor"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "$# manual pages format without warnings"
exit "$failed"
