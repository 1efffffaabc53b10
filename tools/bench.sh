#!/bin/bash
# Builds every benchmark of the project and runs each under Wine: one table,
# one row per figure; rows with a floor end in "ratio <measured/floor>".
# Figures only: nothing is asserted. Needs the set-up of tools/test.sh.
set -eu
# A bench that fails after printing some rows must fail the whole run.
set -o pipefail
cd "$(dirname "$0")/.."
export LANG=C.UTF-8
preset=mingw-ci
build=$PWD/build/$preset
benches="addrlib_bench visibility_hook_bench reload_bench ini_checker_bench"
cmake --preset "$preset" > /dev/null
cmake --build --preset "$preset" --parallel 2 --target $benches > /dev/null
./tools/wine/prepare "$build/wineprefix" > /dev/null
status=0
for bench in $benches; do
  exe=$(find "$build/tools/bench" -name "$bench.exe" | head -n 1)
  echo "== $bench"
  # Each bench plays the game in a folder of its own.
  (cd "$(mktemp -d)" && "$OLDPWD/tools/wine/run" "$build/wineprefix" "$exe") | tr -d '\r' | grep -E ' (ms|ns|us)( |$)' | grep -v 'benchmark:' || status=$?
done
./tools/wine/stop "$build/wineprefix"
exit $status
