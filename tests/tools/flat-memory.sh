#!/bin/sh
# Memory stays flat however many deals: runs of a million deals, to standard
# output and into a file, in an address space of 40 MB, where holding the
# output (79 bytes a deal) could not fit; and the first deals of the longest
# run allowed reach standard output long before it could end.
#   usage: flat-memory.sh TOOL
set -eu
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
ulimit -v 40000

"$tool" --seed 1 --count 1000000 >"$dir/stdout.txt"
test "$(wc -l <"$dir/stdout.txt")" -eq 1000000
rm "$dir/stdout.txt"
"$tool" --seed 1 --count 1000000 --output "$dir/deals.txt"
test "$(wc -l <"$dir/deals.txt")" -eq 1000000
rm "$dir/deals.txt"
"$tool" --seed 1 --count 200000 --format pbn >/dev/null

first=$("$tool" --seed 1 --count 100000000 | head -n 3)
test "$first" = "$("$tool" --seed 1 --count 3)"
echo "flat: a million deals each way within 40 MB"
