#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Runs the store tests as an ordinary user, so the permission cases (read-only folders, unreadable
# files) that root would walk through are exercised too. Skipped (77) where that cannot be done.
set -u
exe=$1
[ "$(id -u)" -eq 0 ] || exit 77
command -v setpriv >/dev/null || exit 77
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
"${as_nobody[@]}" test -x "$exe" || exit 77
cd /tmp && exec "${as_nobody[@]}" env HOME=/tmp "$exe"
