#!/bin/sh
# Makes the release archive for players and mod managers,
# build/mingw/Tarmacor-<version>.zip, from a fresh clone as well: configures
# the build folder when it isn't yet (as the demo does, without the tests,
# which the archive doesn't ship), then builds the package target, which
# builds the tree first. Does all the set-up on a fresh Debian 12 machine
# (run as root).
# One line per step; each step's output is in build/logs/.
#
#   tools/release.sh
#
# TARMACOR_PRESET names another preset whose build folder is configured
# already (the test command makes the archive of its own build so).
set -eu
cd "$(dirname "$0")/.."
logs=$PWD/build/logs
. tools/steps.sh
./tools/setup-debian.sh

preset=${TARMACOR_PRESET:-mingw}
build=$PWD/build/$preset
if [ ! -f "$build/CMakeCache.txt" ]; then
  run_step "configure-$preset" "configuring $preset" cmake --preset "$preset" -DTARMACOR_BUILD_TESTS=OFF
fi
# The archive's name comes from the configured version: an archive of an
# earlier version left in the folder is not taken for this one.
archive=$build/$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake").zip
rm -f "$archive"
run_step "package-$preset" "building the release archive" \
  cmake --build --preset "$preset" --parallel "$(nproc)" --target package
if [ ! -f "$archive" ]; then
  echo "[release] the package target made no $archive" >&2
  exit 1
fi
echo "[release] $archive"
