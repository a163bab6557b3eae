#!/bin/sh
# Bounded time and memory however much input. First, a PBN file of two games
# whose second gives "#" for each of the first's 150,000 tags is read in
# linear time: within 10 s of processor time, where looking each tag up among
# the previous game's takes minutes. Then, in an address space of 40 MB: runs
# of a million deals, to standard output and into a file, where holding the
# output (79 bytes a deal) could not fit; a PBN file of 200,000 boards read
# with --input, written as deal lines and as PBN again (the same bytes: its
# tags are kept), each board as it is read, where holding the boards could not
# fit; and the first deals of the longest run allowed reach standard output
# long before it could end. A build that analyses also refuses a hostile
# summary of 16 MB, four million values, within 150 MB, where holding every
# value took 400 MB.
#   usage: flat-memory.sh TOOL
set -eu
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

awk 'BEGIN {
    deal = "[Deal \"N:AKQJ.AKQ.AKQ.AKQ T98.JT98.JT98.JT 765.765.765.9876 432.432.432.5432\"]"
    print deal
    for (k = 0; k < 150000; k++) printf "[T%d \"v%d\"]\n", k, k
    print ""
    print deal
    for (k = 0; k < 150000; k++) printf "[T%d \"#\"]\n", k
}' >"$dir/inherited.pbn"
(ulimit -t 10 && "$tool" --input "$dir/inherited.pbn" --format pbn >"$dir/again.pbn")
test "$(grep -c '^\[T149999 "v149999"\]' "$dir/again.pbn")" -eq 2
rm "$dir/inherited.pbn" "$dir/again.pbn"

if ! "$tool" --merge /dev/null 2>&1 | grep -q "no double-dummy solver"; then
  awk 'BEGIN { printf "["; for (k = 0; k < 4194000; k++) printf "[0],"; print "0]" }' >"$dir/hostile.json"
  (ulimit -v 150000 && "$tool" --merge "$dir/hostile.json" 2>&1) | grep -q "more values than a summary holds"
  rm "$dir/hostile.json"
fi

ulimit -v 40000
"$tool" --seed 1 --count 1000000 >"$dir/stdout.txt"
test "$(wc -l <"$dir/stdout.txt")" -eq 1000000
rm "$dir/stdout.txt"
"$tool" --seed 1 --count 1000000 --output "$dir/deals.txt"
test "$(wc -l <"$dir/deals.txt")" -eq 1000000
rm "$dir/deals.txt"

"$tool" --seed 1 --count 200000 --format pbn >"$dir/deals.pbn"
test "$("$tool" --input "$dir/deals.pbn" | wc -l)" -eq 200000
"$tool" --input "$dir/deals.pbn" --format pbn | cmp - "$dir/deals.pbn"
rm "$dir/deals.pbn"

first=$("$tool" --seed 1 --count 100000000 | head -n 3)
test "$first" = "$("$tool" --seed 1 --count 3)"
echo "flat: a million deals each way and 200,000 boards read within 40 MB; \"#\" in linear time"
