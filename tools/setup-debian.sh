#!/bin/sh
# Installs what building and testing Tarmacor needs on Debian 12 (as root).
# Usage: tools/setup-debian.sh [--fuzz]   (--fuzz adds clang's libFuzzer)
set -eu
packages="cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine64 libspdlog-dev libfmt-dev googletest clang-format-14"
if [ "${1:-}" = "--fuzz" ]; then
  packages="$packages clang libclang-rt-14-dev g++"
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" != 0 ]; then
  echo "missing Debian packages:$missing; run this as root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
