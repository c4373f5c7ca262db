#!/usr/bin/env bash
# Installs what is needed, builds the window program and the command-line
# sizer (not the tests: ./test.sh builds those), and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
fail() {
  echo "run.sh: $1" >&2
  exit 1
}
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ||
  fail "the build could not be configured; see the messages above."
cmake --build build -j"$(nproc)" --target corvanta corvanta-size ||
  fail "the window program could not be built; see the messages above."
[ -x build/corvanta ] || fail "the window program build/corvanta is missing after the build."
exec build/corvanta "$@"
