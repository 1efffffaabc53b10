# Sourced by the scripts in this folder: the environment every Wine process
# of the build tree runs in, whoever calls it.
# Needs: prefix (the prefix folder).

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko downloads in a fresh prefix, and no menu builder: it would
# write menu entries and icons into the caller's home folder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}mscoree,mshtml=;winemenubuilder.exe=d"
# Wine maps file names through the Unix locale: without a UTF-8 one (no LANG
# on a minimal Debian system) it can't make a file with a non-ASCII name.
# C.UTF-8 is always there.
export LC_ALL=C.UTF-8
unset LANGUAGE

wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
server=/usr/lib/wine/wineserver64
[ -x "$server" ] || server=$(command -v wineserver64 || command -v wineserver)
