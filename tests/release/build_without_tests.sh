#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orlo developers
# A packager's configure: BUILD_TESTING off, with GoogleTest, Google Benchmark and Qt Test hidden
# from CMake, so a build that still looked for them would fail here. Builds the command-line
# converter (the smallest program) and checks that no test or benchmark target exists.
# Usage: build_without_tests.sh SOURCE_DIR SCRATCH_DIR CXX
set -euo pipefail
src=$1 dir=$2 cxx=$3
rm -rf "$dir"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$src" -B "$dir" "${generator[@]}" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6Test=ON
cmake --build "$dir" --target orlo-convert -j 2
targets=$(cmake --build "$dir" --target help)
for absent in core_test orlo_store_tests tst_calculator core_bench MainWindowTest platform_fakes; do
  if grep -qw "$absent" <<<"$targets"; then
    echo "FAIL: the build without tests still has the target $absent"
    exit 1
  fi
done
[ -z "$(find "$dir" -name CTestTestfile.cmake -size +0 -exec grep -l add_test {} +)" ] \
  || { echo "FAIL: the build without tests registers tests"; exit 1; }
"$dir/bin/orlo-convert" Length mi m 1 | grep -qx 1609.34
echo "configured and built without any test framework"
rm -rf "$dir"
