#!/usr/bin/env bash
# Builds the PBN import fuzzer with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build folder, and runs it for a bounded
# time on the seed files of tests/data/fuzz-pbn. Exits non-zero when the
# fuzzer finds a crash; the failing input is kept in <build dir>/artifacts.
#
# usage: tests/fuzz/run-pbnimport-fuzzer.sh [--seconds N] [--build-dir DIR] [--jobs N]
set -euo pipefail
src="$(cd "$(dirname "$0")/../.." && pwd)"
seconds=20
build="$src/build/fuzz"
jobs=1
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --build-dir) build="$2"; shift 2 ;;
    --jobs) jobs="$2"; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
mkdir -p "$build"
build="$(cd "$build" && pwd)" # the fuzzer runs inside it

cmake -S "$src" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKV_BUILD_GUI=OFF -DKV_BUILD_TESTS=OFF -DKV_BUILD_BENCH=OFF -DKV_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" --target pbnimport_fuzzer -j 2

corpus="$build/corpus-pbnimport"
mkdir -p "$corpus" "$build/artifacts-pbnimport"
parallel=()
# Several jobs run as child processes that log to fuzz-<n>.log in the build folder.
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
cd "$build"
# New inputs go to the first folder; the shipped seeds are only read.
"$build/tests/fuzz/pbnimport_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  "${parallel[@]}" -artifact_prefix="$build/artifacts-pbnimport/" -print_final_stats=1 \
  "$corpus" "$src/tests/data/fuzz-pbn"
