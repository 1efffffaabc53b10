#!/bin/sh
# Fuzzes the address library decoder for a bounded time: a native clang build
# with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. Seeds the
# corpus with libraries packed by the native addrlib tool, then reports the
# executions and any findings (crash, leak or timeout inputs are kept in the
# artifacts folder).
# Usage: tools/fuzz-addrlib.sh [seconds, default 60] [build folder]
# Exit status: 0 without findings, 1 with findings.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build/native-sanitize}

cmake --preset native-sanitize -B "$build" >/dev/null
cmake --build "$build" --parallel 2 --target addrlib_fuzz addrlib >/dev/null

work=$build/fuzz/addrlib
corpus=$work/corpus
artifacts=$work/artifacts
mkdir -p "$corpus" "$artifacts"
rm -f "$artifacts"/*

# Seeds: a small library, one with scaled offsets, one with wide values.
seeds=$work/seeds
mkdir -p "$seeds"
printf '34452 0x1000\n34453 0x1008\n35164 0x2000\n30000 0x1FF0\n' >"$seeds/small.txt"
printf '1 0x10\n2 0x18\n3 0x20\n4 0x28\n100 0x4000\n' >"$seeds/scaled.txt"
printf '4294967296 0x123456789\n1 0xFFFFFFFFFFFFFFFF\n65536 65536\n' >"$seeds/wide.txt"
: >"$seeds/empty.txt"
for seed in small scaled wide empty; do
	"$build/tools/addrlib/addrlib" pack "$seeds/$seed.txt" "$corpus/seed-$seed.bin" --version 1.14.70.0 --name "$seed" >/dev/null
done

log=$work/fuzz.log
status=0
"$build/fuzz/addrlib_fuzz" "$corpus" \
	-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
	-artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
echo "addrlib_fuzz: ${seconds}s, ${executions:-?} executions, corpus $(ls "$corpus" | wc -l) inputs"
findings=$(ls "$artifacts" | wc -l)
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
	echo "findings: $findings (exit status $status); log: $log"
	ls "$artifacts"
	grep -E 'ERROR|SUMMARY|runtime error' "$log" | head -n 20 || true
	exit 1
fi
echo "no findings; log: $log"
