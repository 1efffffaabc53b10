#!/bin/sh
# Builds Tarmacor and every test for Windows and runs the tests under Wine,
# then builds the Windows-free code natively and runs its tests under
# AddressSanitizer and UndefinedBehaviorSanitizer. Does all the set-up on a
# fresh Debian 12 machine (run as root).
#
# One line per step; each step's output is in build/logs/. The end is one
# summary of both runs: the failed tests by name, then as the last line
# "<N> passed, <M> failed" for all of them together. The exit status is 0
# only when nothing failed.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
logs=$root/build/logs
. tools/steps.sh
started=$(date +%s)
jobs=$(nproc)

./tools/setup-debian.sh --fuzz
run_step check-format "checking the format of the C++ files" ./tools/check-format.sh

# Wine runs with a home folder of its own: the project's prefix must keep
# everything inside the build tree, and an empty home folder afterwards
# proves it.
home=$root/build/home-check
rm -rf "$home"
mkdir -p "$home"

wine_preset=${TARMACOR_PRESET:-mingw-ci}
prefix=$root/build/$wine_preset/wineprefix
run_step "configure-$wine_preset" "configuring $wine_preset" cmake --preset "$wine_preset"
run_step "build-$wine_preset" "building $wine_preset" env HOME="$home" cmake --build --preset "$wine_preset" --parallel "$jobs"
# One persistent wineserver and a warm-up process before ctest: cold, every
# test would pay seconds of Wine start-up.
run_step wine-prefix "preparing the Wine prefix" env HOME="$home" ./tools/wine/prepare "$prefix"
STEP_LOG_TAIL=15 run_step "test-$wine_preset" "testing $wine_preset under Wine" \
  env HOME="$home" ctest --preset "$wine_preset" --parallel "$jobs" --output-junit "$logs/junit-$wine_preset.xml" || true
# The README's release command, on the build just tested: the package target
# and the archive where the script says (the test release_archive checks
# what it holds). The build is configured, so this costs seconds.
release_status=0
run_step "release-$wine_preset" "making the release archive of $wine_preset" \
  env HOME="$home" TARMACOR_PRESET="$wine_preset" ./tools/release.sh || release_status=$?
env HOME="$home" ./tools/wine/stop "$prefix"

run_step configure-native-sanitize "configuring native-sanitize" cmake --preset native-sanitize
run_step build-native-sanitize "building native-sanitize" cmake --build --preset native-sanitize --parallel "$jobs"
STEP_LOG_TAIL=15 run_step test-native-sanitize "testing native-sanitize" \
  ctest --preset native-sanitize --parallel "$jobs" --output-junit "$logs/junit-native-sanitize.xml" || true

# The shipped DLL names no folder of the machine it was built on.
dll=$root/build/$wine_preset/SFSEPluginCLib/Tarmacor.dll

# junit_counts <suite> <report>: prints "<passed> <failed> <skipped>" and
# appends "<suite>: <name> (<status>)" of every failed test to $failures.
# A test that didn't run because of a failed fixture counts as failed; one
# that skipped itself (GTEST_SKIP) neither passed nor failed; disabled ones
# don't count.
failures=$logs/failed-tests.txt
: >"$failures"
junit_counts() {
  if [ ! -s "$2" ]; then
    echo "$1: no test report ($2)" >>"$failures"
    echo "0 1 0"
    return
  fi
  awk -v suite="$1" -v failures="$failures" '
    function attribute(line, key,    value) {
      if (!match(line, " " key "=\"[^\"]*\"")) return ""
      value = substr(line, RSTART + length(key) + 3, RLENGTH - length(key) - 4)
      gsub(/&quot;/, "\"", value); gsub(/&apos;/, "\047", value)
      gsub(/&lt;/, "<", value); gsub(/&gt;/, ">", value); gsub(/&amp;/, "\\&", value)
      return value
    }
    function fail(name, status) {
      failed++
      print suite ": " name " (" status ")" >>failures
      shown = 0
      showing = 1
    }
    # The first lines of the output of a failed test, from its first failure
    # on, so that a run which scrolled away still says why.
    showing && /<\/system-out>|<\/testcase>/ { showing = 0 }
    showing && shown < 12 && (shown > 0 || /Failure|FAILED|Exception|exception/) {
      line = $0
      gsub(/&quot;/, "\"", line); gsub(/&apos;/, "\047", line)
      gsub(/&lt;/, "<", line); gsub(/&gt;/, ">", line); gsub(/&amp;/, "\\&", line)
      print "      " line >>failures
      shown++
    }
    pending != "" {
      if ($0 ~ /<skipped message="SKIP_/) skipped++
      else fail(pending, "not run")
      pending = ""
    }
    /<testcase / {
      status = attribute($0, "status")
      if (status == "run") passed++
      else if (status == "notrun") pending = attribute($0, "name")
      else if (status != "disabled") fail(attribute($0, "name"), status)
    }
    END { printf "%d %d %d\n", passed, failed, skipped }' "$2"
}

# check <name> <command...>: one more result for the summary.
checks_passed=0
checks_failed=0
check() {
  check_name=$1
  shift
  if "$@"; then
    checks_passed=$((checks_passed + 1))
  else
    checks_failed=$((checks_failed + 1))
    echo "check: $check_name" >>"$failures"
  fi
}
home_is_empty() {
  [ -z "$(find "$home" -mindepth 1 -print -quit)" ] && return 0
  echo "written into HOME by the Wine steps:" >>"$logs/home-check.log"
  find "$home" -mindepth 1 >>"$logs/home-check.log"
  return 1
}
dll_names_no_source_folder() {
  [ -f "$dll" ] || return 1
  # Narrow texts and UTF-16 ones.
  for encoding in s l; do
    if x86_64-w64-mingw32-strings -a -e "$encoding" "$dll" | grep -F "$root" >>"$logs/dll-check.log"; then
      return 1
    fi
  done
}
: >"$logs/home-check.log"
: >"$logs/dll-check.log"
check "nothing written into HOME (build/logs/home-check.log)" home_is_empty
check "Tarmacor.dll names no source folder (build/logs/dll-check.log)" dll_names_no_source_folder
check "the plugin's folders include only downwards (build/logs/floors-check.log)" sh -c './tools/check-floors.sh >"$1" 2>&1' sh "$logs/floors-check.log"
check "tools/release.sh makes the release archive (build/logs/release-$wine_preset.log)" test "$release_status" -eq 0

set -- $(junit_counts "$wine_preset" "$logs/junit-$wine_preset.xml")
wine_passed=$1 wine_failed=$2 wine_skipped=$3
set -- $(junit_counts native-sanitize "$logs/junit-native-sanitize.xml")
native_passed=$1 native_failed=$2 native_skipped=$3
passed=$((wine_passed + native_passed + checks_passed))
failed=$((wine_failed + native_failed + checks_failed))

echo "----- summary ($(($(date +%s) - started)) s) -----"
printf '%-28s %4d passed, %d failed, %d skipped (build/logs/test-%s.log)\n' \
  "$wine_preset, under Wine:" "$wine_passed" "$wine_failed" "$wine_skipped" "$wine_preset"
printf '%-28s %4d passed, %d failed, %d skipped (build/logs/test-native-sanitize.log)\n' \
  "native-sanitize, natively:" "$native_passed" "$native_failed" "$native_skipped"
printf '%-28s %4d passed, %d failed\n' "checks of the build:" "$checks_passed" "$checks_failed"
# Test processes Wine ended at start-up and tools/wine/run-test started again.
restarts=$(cat "$logs/junit-$wine_preset.xml" 2>/dev/null | grep -c "started once more" || true)
if [ "$restarts" -ne 0 ]; then
  echo "Wine start-up failures, started again: $restarts (build/logs/junit-$wine_preset.xml)"
fi
if [ "$failed" -ne 0 ]; then
  echo "failed:"
  sed 's/^/  /' "$failures"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
