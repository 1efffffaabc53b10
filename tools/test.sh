#!/bin/sh
# Builds Tarmacor and every test for Windows, then runs the tests under Wine.
# Does all the set-up on a fresh Debian 12 machine (run as root).
set -eu
cd "$(dirname "$0")/.."
./tools/setup-debian.sh --fuzz
./tools/check-format.sh

preset=${TARMACOR_PRESET:-mingw-ci}
build=build/$preset
cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)"

# One persistent wineserver and a warm-up process before ctest: cold, every
# test would pay seconds of Wine start-up.
./tools/wine/prepare "$PWD/$build/wineprefix"
status=0
ctest --preset "$preset" --parallel "$(nproc)" || status=$?
./tools/wine/stop "$PWD/$build/wineprefix"

# The Windows-free code once more, natively under AddressSanitizer and
# UndefinedBehaviorSanitizer.
cmake --preset native-sanitize
cmake --build --preset native-sanitize --parallel "$(nproc)"
ctest --preset native-sanitize --parallel "$(nproc)" || status=$?
exit $status
