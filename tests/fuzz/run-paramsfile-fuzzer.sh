#!/usr/bin/env bash
# The parameter-file fuzzer for a bounded time (tests/fuzz/run-fuzzer.sh): seeds in
# tests/data/fuzz-paramsfile, corpus and crashes in <build dir>/corpus and /artifacts.
# usage: tests/fuzz/run-paramsfile-fuzzer.sh [--seconds N] [--build-dir DIR] [--jobs N]
exec "$(dirname "$0")/run-fuzzer.sh" paramsfile_fuzzer fuzz-paramsfile corpus artifacts "$@"
