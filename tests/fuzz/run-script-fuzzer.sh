#!/usr/bin/env bash
# The dealer-script fuzzer for a bounded time (tests/fuzz/run-fuzzer.sh): seeds
# in tests/data/dlr, corpus and crashes in <build dir>/corpus-script and
# /artifacts-script.
# usage: tests/fuzz/run-script-fuzzer.sh [--seconds N] [--build-dir DIR] [--jobs N]
exec "$(dirname "$0")/run-fuzzer.sh" script_fuzzer dlr corpus-script artifacts-script "$@"
