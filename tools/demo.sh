#!/bin/sh
# Builds Tarmacor.dll and drives it in the simulated game: a game folder with
# the plugin in Data/SFSE/Plugins, the host loading it and sending its
# messages, then the plugin's log. Does all the set-up on a fresh Debian 12
# machine (run as root).
# Set-up and build print one line per step; their output is in build/logs/.
set -eu
cd "$(dirname "$0")/.."
logs=$PWD/build/logs
. tools/steps.sh
./tools/setup-debian.sh

preset=mingw
build=$PWD/build/$preset
run_step "configure-$preset" "configuring $preset" cmake --preset "$preset" -DTARMACOR_BUILD_TESTS=OFF
run_step "build-$preset" "building Tarmacor.dll and SimStarfield.exe" \
  cmake --build --preset "$preset" --parallel "$(nproc)" --target Tarmacor SimStarfield

game=$build/demo-game
rm -rf "$game"
plugins=$game/Data/SFSE/Plugins
mkdir -p "$plugins"
cp "$build/SFSEPluginCLib/Tarmacor.dll" "$plugins/"
# A player's own file: logging on (the INI the plugin writes turns it off)
# and a profile for one vehicle. Tarmacor.ini is left to the plugin.
printf '[Global]\r\nbLogging=1\r\n[REV-8]\r\niRearViewHotkey=0x52\r\nfPlayerFirstPersonCameraPanoramicAngleUp=45\r\nbExitAnywhere=0\r\n' \
  > "$plugins/TarmacorCustom.ini"

run_step demo-wine-prefix "preparing the Wine prefix" ./tools/wine/prepare "$build/wineprefix"
cd "$game"
status=0
"$OLDPWD/tools/wine/run" "$build/wineprefix" "$build/sim/SimStarfield.exe" "$@" || status=$?
cd "$OLDPWD"
./tools/wine/stop "$build/wineprefix"
if [ -f "$plugins/Tarmacor.ini" ]; then
  echo "[demo] ----- Tarmacor.ini, as the plugin wrote it -----"
  tr -d '\r' < "$plugins/Tarmacor.ini"
fi
echo "[demo] ----- $plugins -----"
ls "$plugins"
exit $status
