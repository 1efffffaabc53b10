#!/bin/sh
# The plugin's folders are floors, and a file includes only from its own
# folder or from a floor below it:
#   Lifecycle (entry points, the plugin's threads)
#   Runtime, Dialogue (the vehicle features, the idle chatter fix)
#   State (what the runtime works on, and its locks)
#   Helpers (with Classes: game questions and writes)
#   Settings (INI files, profiles, the plugin's log lines)
# Prints every include that runs up or sideways; exit status 1 if any does.
set -eu
cd "$(dirname "$0")/../SFSEPluginCLib"

floor() {
  case $1 in
  Lifecycle) echo 4 ;;
  Runtime | Dialogue) echo 3 ;;
  State) echo 2 ;;
  Helpers) echo 1 ;;
  Settings) echo 0 ;;
  *) echo "" ;;
  esac
}

# The folder of a file (src/Main/<folder>/..., src/Helpers, include/<folder>)
# or of an include; Classes is part of the helpers.
folder_of() {
  case $1 in
  src/Main/*/*) echo "$1" | cut -d/ -f3 ;;
  src/Helpers/* | include/Helpers/* | include/Classes/* | Classes) echo Helpers ;;
  *) echo "$1" ;;
  esac
}

status=0
for file in $(find src include -name '*.h' -o -name '*.cpp' | sort); do
  from=$(folder_of "$file")
  from_floor=$(floor "$from")
  if [ -z "$from_floor" ]; then
    echo "$file: in no floor"
    status=1
    continue
  fi
  for to in $(sed -n 's|^#include "\([A-Za-z]*\)/.*|\1|p' "$file"); do
    to=$(folder_of "$to")
    to_floor=$(floor "$to")
    [ -n "$to_floor" ] || continue # the framework layer, the game's types
    [ "$to" = "$from" ] && continue
    if [ "$to_floor" -ge "$from_floor" ]; then
      echo "$file ($from) includes $to: not a floor below"
      status=1
    fi
  done
done
exit $status
