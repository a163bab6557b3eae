#!/usr/bin/env bash
# Builds the headless core for another platform, runs it there (under qemu or
# wine, or natively) and compares its output byte for byte with the native
# build's: the seed signature (also with the reference file), and runs of the
# command-line program that read a parameter file and write deal text and a
# PBN file. It also races two programs saving into one parameter file, which
# only the folder's lock keeps from losing sets. Exits 77 (reported by ctest as skipped) when this machine lacks the
# cross compiler or the emulator; scripts/install-deps installs both.
#
# usage: run-cross-check.sh NAME SOURCE_DIR BUILD_DIR NATIVE_DEAL NATIVE_SIGNATURE NATIVE_RACE
#   NAME: aarch64-qemu | windows-wine | x86_64-long-double-64
set -euo pipefail

name=$1
source=$(realpath "$2") build=$(realpath -m "$3")
native_deal=$(realpath "$4") native_signature=$(realpath "$5") native_race=$(realpath "$6")
reference=$source/tests/data/seed-signature.txt
paramsfile=$source/tests/data/fuzz-paramsfile/free-slot.sav
started=$SECONDS

skip() {
  echo "SKIPPED $name: $1 (scripts/install-deps installs it)"
  exit 77
}

need() { command -v "$1" >/dev/null 2>&1 || skip "$1 is not installed"; }

runner=()
exe=""
case $name in
  aarch64-qemu)
    toolchain=aarch64-linux-gnu
    need aarch64-linux-gnu-g++
    need qemu-aarch64
    runner=(qemu-aarch64 -L /usr/aarch64-linux-gnu)
    ;;
  windows-wine)
    toolchain=mingw-w64-x86_64
    exe=.exe
    need x86_64-w64-mingw32-g++-posix
    wine=$(command -v wine64 || true)
    [ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || true
    [ -n "$wine" ] || skip "wine64 is not installed"
    runner=("$wine")
    ;;
  x86_64-long-double-64)
    toolchain=x86_64-long-double-64
    need g++
    ;;
  *)
    echo "unknown target '$name'" >&2
    exit 2
    ;;
esac

work=$(mktemp -d)
cleanup() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
    "$wineserver" -k >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

if [ "$name" = windows-wine ]; then
  # A private, throw-away Windows prefix; no display, no add-on installers.
  export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  unset DISPLAY
fi

# The cross build: only the three programs, without Qt, tests or dds.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$source/cmake/toolchain-$toolchain.cmake" \
    -DKV_BUILD_GUI=OFF -DKV_BUILD_TESTS=OFF -DKV_BUILD_BENCH=OFF -DKV_WITH_DD=OFF >/dev/null
fi
cmake --build "$build" -j2 --target kestrovanhalme-deal kv-seed-signature kv-save-race >"$work/build.log" 2>&1 ||
  { cat "$work/build.log"; exit 1; }
built=$SECONDS
cross_deal=$build/tools/deal/kestrovanhalme-deal$exe
cross_signature=$build/tests/cross/kv-seed-signature$exe
cross_race=$build/tests/cross/kv-save-race$exe

failures=0
# compare LABEL FILE_A FILE_B
compare() {
  if cmp -s "$2" "$3"; then
    echo "same: $1"
  else
    echo "DIFFERENT: $1"
    diff "$2" "$3" | head -20 || true
    failures=$((failures + 1))
  fi
}

# run SIDE LABEL ARGS...: one run of the deal program in its own folder
# (native/ or cross/), recording standard output and the exit code.
run() {
  local side=$1 label=$2
  shift 2
  local program=("$native_deal")
  [ "$side" = cross ] && program=("${runner[@]}" "$cross_deal")
  (cd "$work/$side" && "${program[@]}" "$@" >"$label.out" 2>"$label.err"; echo "exit $?" >>"$label.out") || true
}

# The PBN Date tag is the day of the run: the two sides may straddle midnight.
undated() { sed 's/^\[Date "[0-9.]*"\]/[Date ""]/' "$1"; }

"$native_signature" >"$work/native-signature.txt"
"${runner[@]}" "$cross_signature" >"$work/cross-signature.txt"
compare "seed signature, native and $name" "$work/native-signature.txt" "$work/cross-signature.txt"
compare "seed signature, $name and the reference" "$reference" "$work/cross-signature.txt"

for side in native cross; do
  mkdir -p "$work/$side"
  cp "$paramsfile" "$work/$side/PARAMS.SAV"
  run $side deals-default --seed 0 --count 40
  run $side deals-set --file PARAMS.SAV --record 3 --seed FFFFFFFF --count 60
  run $side list --list --file PARAMS.SAV
  run $side missing-file --file NOSUCH.SAV --set One --count 1
  run $side pbn-new --file PARAMS.SAV --set One --seed 80000000 --count 25 --format pbn --output deals.pbn
  # A temporary file left by a killed program goes at the next write into its
  # folder; a file of another pattern stays.
  touch "$work/$side/.kestrovanhalme-Ab12Zx" "$work/$side/.kestrovanhalme-Ab12Z"
  run $side pbn-replace --seed 1234ABCD --count 30 --format pbn --output deals.pbn
  undated "$work/$side/deals.pbn" >"$work/$side/deals-undated.pbn"
done
for label in deals-default deals-set list missing-file pbn-new pbn-replace; do
  compare "kestrovanhalme-deal $label (output and exit code)" "$work/native/$label.out" "$work/cross/$label.out"
done
compare "kestrovanhalme-deal missing-file message" "$work/native/missing-file.err" "$work/cross/missing-file.err"
compare "kestrovanhalme-deal PBN file written over an older one" \
  "$work/native/deals-undated.pbn" "$work/cross/deals-undated.pbn"
compare "parameter file untouched" "$work/native/PARAMS.SAV" "$work/cross/PARAMS.SAV"
for side in native cross; do
  ls -A "$work/$side" >"$work/$side-files.txt"
done
compare "files left in the folder (stale temporary file removed)" \
  "$work/native-files.txt" "$work/cross-files.txt"

# race SIDE: two programs save race_count sets each into one parameter file at
# once (SaveRace.cpp), then what they saved, what the file lists and what the
# folder holds are summed up in race-summary.txt.
race_count=40
race() {
  local side=$1 dir=$work/$1/race program=("$native_race") a=0 b=0
  [ "$side" = cross ] && program=("${runner[@]}" "$cross_race")
  mkdir -p "$dir"
  cd "$dir"
  "${program[@]}" RACE.SAV A $race_count B >A.out 2>A.err &
  local first=$!
  "${program[@]}" RACE.SAV B $race_count A >B.out 2>B.err || b=$?
  wait $first || a=$?
  {
    echo "exit codes $a $b"
    cat A.err B.err
    echo "sets saved: $(cat A.out B.out | wc -l)"
    echo "record numbers: $(cat A.out B.out | cut -d' ' -f2 | sort -u | wc -l)"
    "$native_deal" --list --file RACE.SAV | awk -F'\t' '{print $3, $1}' | sort >listed.txt
    cat A.out B.out | sort | cmp -s - listed.txt && echo "all listed as saved" || echo "NOT listed as saved"
    cat A.txt B.txt
    ls -A | tr '\n' ' '
    echo
  } >"$work/$side/race-summary.txt" 2>&1 || true # what went wrong shows in the comparison
  cd "$work"
}
cat >"$work/race-expected.txt" <<END
exit codes 0 0
sets saved: $((2 * race_count))
record numbers: $((2 * race_count))
all listed as saved
held by A
held by B
A.err A.out A.ready A.txt B.err B.out B.ready B.txt RACE.SAV listed.txt 
END
for side in native cross; do
  race $side
  compare "two programs saving into one parameter file ($side)" \
    "$work/race-expected.txt" "$work/$side/race-summary.txt"
done

# Without dds the request for analysis is refused with its message.
run cross dd --count 1 --dd
if grep -q "exit 1" "$work/cross/dd.out" && grep -q "double-dummy analysis is not available" "$work/cross/dd.err"; then
  echo "same: --dd refused by a build without dds"
else
  echo "DIFFERENT: --dd in a build without dds"
  cat "$work/cross/dd.out" "$work/cross/dd.err"
  failures=$((failures + 1))
fi

echo "$name: build $((built - started)) s, runs $((SECONDS - built)) s, $failures difference(s)"
[ "$failures" -eq 0 ]
