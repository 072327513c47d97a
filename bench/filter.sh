#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# Times orlo-convert converting 100,000 values through standard input.
# Usage: bench/filter.sh [path/to/orlo-convert] [count]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-${ORLO_BUILD_DIR:-$top/build}/bin/orlo-convert}
count=${2:-100000}
decimals=$(mktemp)
integers=$(mktemp)
trap 'rm -f "$decimals" "$integers"' EXIT
awk -v n="$count" 'BEGIN { srand(7); for (i = 0; i < n; i++) printf "%.6f\n", rand() * 1000 }' >"$decimals"
awk -v n="$count" 'BEGIN { srand(7); for (i = 0; i < n; i++) printf "%d\n", rand() * 2147483647 }' >"$integers"

# run INPUT ARGS...: one timed pass; every result must be a number.
run() {
  local input=$1 start end
  shift
  start=$(date +%s%N)
  "$tool" "$@" <"$input" >/dev/null
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v n="$count" -v what="$*" \
    'BEGIN { printf "%-40s %d values in %.3f s\n", what, n, ns / 1e9 }'
}

run "$decimals" Length mi m
run "$decimals" --figures 10 Temperature °C °F
run "$integers" "Number System" Decimal Hexadecimal
