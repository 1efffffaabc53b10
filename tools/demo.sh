#!/bin/sh
# Builds Tarmacor.dll and drives it in the simulated game: a game folder with
# the plugin in Data/SFSE/Plugins, the host loading it and sending its
# messages, then the plugin's log. Does all the set-up on a fresh Debian 12
# machine (run as root).
set -eu
cd "$(dirname "$0")/.."
./tools/setup-debian.sh

preset=mingw
build=$PWD/build/$preset
cmake --preset "$preset" -DTARMACOR_BUILD_TESTS=OFF
cmake --build --preset "$preset" --parallel "$(nproc)" --target Tarmacor SimStarfield

game=$build/demo-game
rm -rf "$game"
mkdir -p "$game/Data/SFSE/Plugins"
cp "$build/SFSEPluginCLib/Tarmacor.dll" "$game/Data/SFSE/Plugins/"

./tools/wine/prepare "$build/wineprefix" >/dev/null
cd "$game"
status=0
"$OLDPWD/tools/wine/run" "$build/wineprefix" "$build/sim/SimStarfield.exe" "$@" || status=$?
cd "$OLDPWD"
./tools/wine/stop "$build/wineprefix"
echo "game folder: $game"
exit $status
