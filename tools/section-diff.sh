#!/bin/sh
# A differential run, bounded in time: random INI files full of lines that
# are easy to misread, each read section by section as the plugin's reload
# reads them (Settings/SectionReading.h) and key by key by the platform
# itself (GetPrivateProfileStringA), under Wine. Every answer must be the
# same; a difference is a fault of the section walk.
# Usage: tools/section-diff.sh [seconds, default 60] [seed, default: the time]
# Prints the files and answers compared and every difference; each file with
# a difference is kept in build/mingw-ci/section-diff/ to reproduce it (the
# same seed makes the same files). Exit status: 0 without differences, 1
# with differences.
set -eu
cd "$(dirname "$0")/.."
export LANG=C.UTF-8
seconds=${1:-60}
seed=${2:-$(date +%s)}
preset=mingw-ci
build=$PWD/build/$preset
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --parallel 2 --target section_diff >/dev/null
./tools/wine/prepare "$build/wineprefix" >/dev/null
work=$build/section-diff
rm -rf "$work"
mkdir -p "$work"
status=0
(cd "$work" && "$OLDPWD/tools/wine/run" "$build/wineprefix" "$build/tools/sectiondiff/section_diff.exe" "$seconds" "$seed") >"$work/output.txt" || status=$?
tr -d '\r' <"$work/output.txt"
./tools/wine/stop "$build/wineprefix"
[ "$status" -eq 0 ] || echo "files with a difference: $work"
exit $status
