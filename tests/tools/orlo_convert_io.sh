#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# orlo-convert as a program: a failed write of its results is an error of its own, and a huge input
# line neither holds the program's memory nor ends it. Usage: orlo_convert_io.sh EXE [sanitized]
set -u
exe=$1
sanitized=${2:-}
fail() {
  echo "FAIL: $*"
  exit 1
}

err=$("$exe" Length in cm 1 2>&1 >/dev/full)
status=$?
[ "$status" = 3 ] || fail "a write to /dev/full ended with status $status"
[[ "$err" == "orlo-convert: write error: "* ]] || fail "a write to /dev/full said '$err'"
err=$(printf '1\n2\n' | "$exe" Length in cm 2>&1 >/dev/full)
status=$?
[ "$status" = 3 ] || fail "the filter writing to /dev/full ended with status $status ($err)"

# 300 MB in one line, then a short one, under a 200 MB address-space limit (not with the
# sanitizers, which reserve far more address space than that for their shadow memory).
limit=()
[ -z "$sanitized" ] && limit=(ulimit -v 200000 \;)
out=$( { head -c 300000000 /dev/zero | tr '\0' 7; printf '\n2\n'; } \
  | bash -c "${limit[*]} exec \"\$0\" Length in cm" "$exe" 2>&1)
status=$?
[ "$status" = 1 ] || fail "a 300 MB line ended with status $status: $(head -c 300 <<<"$out")"
[ "$out" = $'Input error\n5.08000' ] || fail "a 300 MB line gave '$(head -c 300 <<<"$out")'"
echo "write errors reported, a 300 MB line refused within 200 MB"
