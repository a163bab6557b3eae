#!/usr/bin/env bash
# The PBN import fuzzer for a bounded time (tests/fuzz/run-fuzzer.sh): seeds in
# tests/data/fuzz-pbn, corpus and crashes in <build dir>/corpus-pbnimport and
# /artifacts-pbnimport.
# usage: tests/fuzz/run-pbnimport-fuzzer.sh [--seconds N] [--build-dir DIR] [--jobs N]
exec "$(dirname "$0")/run-fuzzer.sh" pbnimport_fuzzer fuzz-pbn corpus-pbnimport artifacts-pbnimport "$@"
