#!/bin/sh
# The analysis of one seed split into two shards that GNU parallel runs side by
# side, as on several machines; the merged summary equals the single run's,
# byte for byte.
#   usage: parallel-shards.sh TOOL
set -eu
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
run="--analyse --seed 2C0FFEE --count 24 --declarer N,S,NS --strains NT,S --format json"
# shellcheck disable=SC2086
parallel --will-cite --halt now,fail=1 "$tool" $run --shard {}/2 --output "$dir/shard{}.json" ::: 1 2
"$tool" --merge "$dir/shard1.json" "$dir/shard2.json" --format json >"$dir/merged.json"
# shellcheck disable=SC2086
"$tool" $run >"$dir/single.json"
cmp "$dir/merged.json" "$dir/single.json"
echo "two shards through GNU parallel merge into the single run"
