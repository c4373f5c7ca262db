#!/usr/bin/env bash
# Builds the fuzz target with clang (AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs it for the given number of seconds (default 60) over the example
# and reference projects. New inputs it finds go to build-fuzz/corpus; an
# input that fails is written to build-fuzz/ as crash-*, leak-* or timeout-*.
set -euo pipefail
usage="Usage: tools/run-fuzzer.sh [SECONDS]"
case "${1:-}" in
  -h|--help) printf '%s\n\nFuzzes the project loader for SECONDS (default 60).\n' "$usage"; exit 0 ;;
  -*|*[!0-9]*) printf 'run-fuzzer.sh: not a number of seconds: %s\n%s\n' "$1" "$usage" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
seconds=${1:-60}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANTA_FUZZ=ON -DCORVANTA_BUILD_UI=OFF -DCORVANTA_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target corvanta-fuzz-project
mkdir -p build-fuzz/corpus
# A calculation that runs past 30 s fails the run as a crash does; the inputs
# that once did are replayed first.
build-fuzz/corvanta-fuzz-project -max_total_time="$seconds" -print_final_stats=1 -timeout=30 \
  -dict=tests/fuzz/project.dict -artifact_prefix=build-fuzz/ \
  build-fuzz/corpus tests/fuzz/slow_inputs examples tests/data/reference
