#!/bin/sh
# Installs what building and testing Tarmacor needs on Debian 12 (as root).
# The package manager's output goes to build/logs/setup-*.log; one line per
# step is printed.
# Usage: tools/setup-debian.sh [--fuzz]   (--fuzz adds clang's libFuzzer)
set -eu
cd "$(dirname "$0")/.."
logs=$PWD/build/logs
. tools/steps.sh

# The one list of the Debian packages the build needs (the README points
# here):
# - cmake and make: the build;
# - g++-mingw-w64-x86-64-posix, binutils-mingw-w64-x86-64, mingw-w64-tools:
#   the MinGW-w64 cross compiler for Windows;
# - wine64: runs the Windows programs (tests, demo);
# - libspdlog-dev, libfmt-dev: the logging and formatting libraries;
# - googletest: its sources, built for both targets;
# - clang-format-14: the format check.
packages="cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine64 libspdlog-dev libfmt-dev googletest clang-format-14"
# --fuzz (the test command), for the native run under the sanitizers and the
# fuzzers: the native compilers, and clang's sanitizer and libFuzzer runtime.
if [ "${1:-}" = "--fuzz" ]; then
  packages="$packages clang libclang-rt-14-dev g++"
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -z "$missing" ]; then
  echo "Debian packages: all installed"
  exit 0
fi

if [ "$(id -u)" != 0 ]; then
  echo "missing Debian packages:$missing; run this as root" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
run_step setup-apt-update "updating the package lists" apt-get update
# shellcheck disable=SC2086
run_step setup-apt-install "installing$missing" apt-get install -y --no-install-recommends $missing
