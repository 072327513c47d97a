# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# install_into BUILD_DIR PREFIX: `cmake --install` of the build into a scratch prefix; prints the
# prefix. The build's install_manifest.txt, which that command overwrites, is put back, so a
# test run does not replace the record of the user's own installation. Sourced, not run.
install_into() {
  local build=$1 prefix=$2 manifest=$1/install_manifest.txt saved=""
  if [ -f "$manifest" ]; then
    saved=$E2E_TMP/install_manifest.saved
    cp -p "$manifest" "$saved"
  fi
  cmake --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 \
    || fail "cmake --install failed (is everything built?): $(tail -5 "$E2E_TMP/install.log")"
  if [ -n "$saved" ]; then
    cp -p "$saved" "$manifest"
  else
    rm -f "$manifest"
  fi
  echo "$prefix"
}
