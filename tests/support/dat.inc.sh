# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# custom_dat GROUP "UNIT|COEF|OFFSET"...: an ORL_USER.DAT on standard output whose first custom group
# is GROUP with the given units (at most ten), the other nineteen empty. A record is three texts,
# each a 16-bit little-endian length and its bytes; a group record carries the slot 9 texts of the
# group before, empty here. Sourced, not run.
custom_dat() {
  local group=$1 unit name coef offset n=0
  shift
  _dat_rec() { for t in "$@"; do printf "\\x$(printf %02x ${#t})\\x00%s" "$t"; done; }
  _dat_rec "$group" "" ""
  for unit in "$@"; do
    IFS='|' read -r name coef offset <<<"$unit"
    _dat_rec "$name" "$coef" "$offset"
    n=$((n + 1))
  done
  for ((; n < 9; n++)); do _dat_rec "" "" ""; done
  for _ in $(seq 1 19); do for _ in $(seq 0 10); do _dat_rec "" "" ""; done; done
}
