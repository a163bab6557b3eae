#!/usr/bin/env bash
# Builds one of the fuzzers with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in its own build folder, and runs it for a bounded
# time on its seed files in tests/data/SEEDS. Exits non-zero when the
# fuzzer finds a crash; the failing input is kept in <build dir>/ARTIFACTS.
#
# usage: tests/fuzz/run-fuzzer.sh TARGET SEEDS CORPUS ARTIFACTS [--seconds N] [--build-dir DIR] [--jobs N]
# (run-paramsfile-fuzzer.sh and run-pbnimport-fuzzer.sh name the four for each fuzzer)
set -euo pipefail
src="$(cd "$(dirname "$0")/../.." && pwd)"
target=$1 seeds=$2 corpus_name=$3 artifacts_name=$4
shift 4
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
cmake --build "$build" --target "$target" -j 2

corpus="$build/$corpus_name"
mkdir -p "$corpus" "$build/$artifacts_name"
parallel=()
# Several jobs run as child processes that log to fuzz-<n>.log in the build folder.
[ "$jobs" -gt 1 ] && parallel=(-jobs="$jobs" -workers="$jobs")
cd "$build"
# New inputs go to the first folder; the shipped seeds are only read.
"$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  "${parallel[@]}" -artifact_prefix="$build/$artifacts_name/" -print_final_stats=1 \
  "$corpus" "$src/tests/data/$seeds"
