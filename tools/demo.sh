#!/bin/sh
# Builds Tarmacor.dll and drives it in the simulated game: a game folder with
# the plugin in Data/SFSE/Plugins, the host loading it and sending its
# messages, a scripted drive printed as a timeline (what changed in the game
# beside the plugin's log lines), then what the INI checker makes of the
# files and the Tarmacor.ini the plugin wrote. Does all the set-up on a fresh Debian 12
# machine (run as root).
# Set-up and build print one line per step; their output is in build/logs/.
#
#   tools/demo.sh [--ini-folder DIR] [SimStarfield options]
#
# --ini-folder DIR copies DIR's Tarmacor.ini and TarmacorCustom.ini (those it
# has) into the game folder in place of the built-in scenario's file.
set -eu
ini_folder=
if [ "${1:-}" = --ini-folder ]; then
  [ $# -ge 2 ] || { echo "[demo] --ini-folder needs a folder" >&2; exit 64; }
  ini_folder=$(cd "$2" 2>/dev/null && pwd) || { echo "[demo] no folder $2" >&2; exit 64; }
  shift 2
  if [ ! -f "$ini_folder/Tarmacor.ini" ] && [ ! -f "$ini_folder/TarmacorCustom.ini" ]; then
    echo "[demo] $ini_folder holds neither Tarmacor.ini nor TarmacorCustom.ini" >&2
    exit 64
  fi
fi
cd "$(dirname "$0")/.."
logs=$PWD/build/logs
. tools/steps.sh
./tools/setup-debian.sh

preset=mingw
build=$PWD/build/$preset
run_step "configure-$preset" "configuring $preset" cmake --preset "$preset" -DTARMACOR_BUILD_TESTS=OFF
run_step "build-$preset" "building Tarmacor.dll, SimStarfield.exe and tarmacor-ini.exe" \
  cmake --build --preset "$preset" --parallel "$(nproc)" --target Tarmacor SimStarfield tarmacor_ini

game=$build/demo-game
rm -rf "$game"
plugins=$game/Data/SFSE/Plugins
mkdir -p "$plugins"
cp "$build/SFSEPluginCLib/Tarmacor.dll" "$plugins/"
if [ -n "$ini_folder" ]; then
  for ini in Tarmacor.ini TarmacorCustom.ini; do
    if [ -f "$ini_folder/$ini" ]; then
      cp "$ini_folder/$ini" "$plugins/"
      echo "[demo] using $ini_folder/$ini"
    fi
  done
else
  # The built-in scenario, a player's own file (sim/DriveCustom.ini, which
  # the drive's test uses too): logging on (the INI the plugin writes turns
  # it off) and a profile for the drive's vehicle, the REV-8, with its own
  # camera, two views of it and without Exit Anywhere. Tarmacor.ini is left
  # to the plugin.
  cp sim/DriveCustom.ini "$plugins/TarmacorCustom.ini"
fi

run_step demo-wine-prefix "preparing the Wine prefix" ./tools/wine/prepare "$build/wineprefix"
cd "$game"
status=0
# The timeline holds the log's lines already (the later profile dumps folded;
# the log file's place is printed at the end): no second copy of the log.
"$OLDPWD/tools/wine/run" "$build/wineprefix" "$build/sim/SimStarfield.exe" --no-log "$@" || status=$?
# What the INI checker makes of the same files, as a player would run it
# from the game folder; its exit status (1: warnings) is not the drive's.
echo "[demo] ----- tarmacor-ini, run in the game folder -----"
{ "$OLDPWD/tools/wine/run" "$build/wineprefix" "$build/tools/ini/tarmacor-ini.exe" || true; } | tr -d '\r'
cd "$OLDPWD"
./tools/wine/stop "$build/wineprefix"
if [ -f "$plugins/Tarmacor.ini" ]; then
  if [ -n "$ini_folder" ] && [ -f "$ini_folder/Tarmacor.ini" ]; then
    echo "[demo] ----- Tarmacor.ini, yours as the drive left it -----"
  else
    echo "[demo] ----- Tarmacor.ini, as the plugin wrote it -----"
  fi
  tr -d '\r' < "$plugins/Tarmacor.ini"
fi
echo "[demo] ----- $plugins -----"
ls "$plugins"
# The log is the plugin's own file in the prefix's Documents folder, named
# after the plugin.
log=$(find "$build/wineprefix/drive_c/users" -path '*/My Games/Starfield/SFSE/Logs/*.log' 2>/dev/null | head -n 1)
echo "[demo] ----- end -----"
echo "[demo] Shown: Tarmacor.dll loaded by the simulated host, the scripted drive (what each step changed in the game above the plugin's log lines), the INI checker's report on the game folder's INI files, and Tarmacor.ini as it ended up."
echo "[demo]   game folder: $game"
echo "[demo]   plugin log:  ${log:-none written}"
if [ "$status" -ne 0 ]; then
  echo "[demo] the simulated game ended with status $status"
fi
exit $status
