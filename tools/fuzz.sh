#!/bin/sh
# Fuzzes for a bounded time, one target after the other: the address library
# decoder (addrlib_fuzz), the INI value texts as the plugin and the INI
# checker read them (ini_values_fuzz) and the checker's camera page with the
# texts from the files it writes (profile_svg_fuzz). A native clang build with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer. Each target keeps its
# corpus between runs and starts from a few seeds; crash, leak and timeout
# inputs are kept in its artifacts folder.
# Usage: tools/fuzz.sh [seconds per target, default 60] [build folder]
# Prints per target the executions, the corpus size and the findings.
# Exit status: 0 without findings, 1 with findings.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build/native-sanitize}

cmake --preset native-sanitize -B "$build" >/dev/null
cmake --build "$build" --parallel 2 --target addrlib_fuzz ini_values_fuzz profile_svg_fuzz addrlib >/dev/null

# Seeds for the address library: libraries packed by the native addrlib tool
# from a small list, one with scaled offsets, one with wide values, none.
seed_addrlib() {
	seeds=$1
	corpus=$2
	printf '34452 0x1000\n34453 0x1008\n35164 0x2000\n30000 0x1FF0\n' >"$seeds/small.txt"
	printf '1 0x10\n2 0x18\n3 0x20\n4 0x28\n100 0x4000\n' >"$seeds/scaled.txt"
	printf '4294967296 0x123456789\n1 0xFFFFFFFFFFFFFFFF\n65536 65536\n' >"$seeds/wide.txt"
	: >"$seeds/empty.txt"
	for seed in small scaled wide empty; do
		"$build/tools/addrlib/addrlib" pack "$seeds/$seed.txt" "$corpus/seed-$seed.bin" --version 1.14.70.0 --name "$seed" >/dev/null
	done
}

# Seeds for the value texts: each a text an INI file may hold.
seed_ini_values() {
	corpus=$2
	n=0
	for text in '0x51' '0xA0' '-0.58' '1e39' '1e-39' '0,5' ' 1' 'true' '1' '0x0 junk' '0x51 ; Q' '-FFFFFFFF' \
		'fPlayerFirstPersonCameraOfsetMinX' 'bSmartAmi' 'Rover <&"Mk II"> é'; do
		n=$((n + 1))
		printf '%s' "$text" >"$corpus/seed-$n"
	done
}

# fuzz_target NAME WORK SEEDER MAX_LEN: runs build/fuzz/NAME with its corpus
# and artifacts under build/fuzz/WORK, prints its figures; 1 on findings.
fuzz_target() {
	name=$1
	work=$build/fuzz/$2
	corpus=$work/corpus
	artifacts=$work/artifacts
	mkdir -p "$corpus" "$artifacts" "$work/seeds"
	rm -f "$artifacts"/*
	"$3" "$work/seeds" "$corpus"

	log=$work/fuzz.log
	status=0
	"$build/fuzz/$name" "$corpus" \
		-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len="$4" \
		-artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1 || status=$?

	executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
	findings=$(ls "$artifacts" | wc -l)
	per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
	echo "$name: ${seconds}s, ${executions:-?} executions (${per_second:-?} a second), corpus $(ls "$corpus" | wc -l) inputs, $findings findings"
	if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
		echo "  exit status $status; log: $log"
		ls "$artifacts" | sed 's/^/  /'
		grep -E 'ERROR|SUMMARY|runtime error' "$log" | head -n 20 | sed 's/^/  /' || true
		return 1
	fi
	echo "  log: $log"
}

result=0
fuzz_target addrlib_fuzz addrlib seed_addrlib 4096 || result=1
fuzz_target ini_values_fuzz ini_values seed_ini_values 512 || result=1
fuzz_target profile_svg_fuzz profile_svg seed_ini_values 512 || result=1
exit $result
