#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Validates the desktop entry or the AppStream metainfo. The validators pass some real faults with
# a zero exit status (desktop-file-validate reports a misspelt icon name as a "will be fatal" error,
# appstreamcli a missing launchable as an info), so anything they print fails the test, except
# appstreamcli's pedantic notes: one of them asks for a lower-case component id, and ours is fixed.
# Exit status 77 (skipped) when the validator is not installed.
kind=$1
file=$2
case $kind in
desktop) tool=desktop-file-validate ;;
metainfo) tool=appstreamcli ;;
*)
    echo "usage: validate.sh desktop|metainfo FILE" >&2
    exit 2
    ;;
esac
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed; skipping"
    exit 77
fi
if [ "$kind" = desktop ]; then
    out=$(desktop-file-validate "$file" 2>&1)
    rc=$?
    findings=$out
else
    out=$(appstreamcli validate --no-net --pedantic "$file" 2>&1)
    rc=$?
    findings=$(printf '%s\n' "$out" | grep -E '^ *[EWI]: ')
fi
[ -n "$out" ] && printf '%s\n' "$out"
if [ "$rc" -ne 0 ] || [ -n "$findings" ]; then
    echo "FAIL: $tool found problems in $file" >&2
    exit 1
fi
exit 0
