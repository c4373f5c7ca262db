#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test (also the core tests
# under AddressSanitizer and UndefinedBehaviorSanitizer), and checks the
# Debian package. ctest also runs corvanta-window-monkey, random input to the
# window, on fixed start values.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
jobs=$(nproc)
# The sources keep the project's format (.clang-format).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
  echo "format check passed"
fi
# The rooms of the window program include each other in no loop and only
# downwards in their agreed order; MainWindow is defined in one file.
tools/check-ui-rooms.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
tools/check-package.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCORVANTA_SANITIZE=ON -DCORVANTA_BUILD_UI=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ctest --output-on-failure -j"$jobs" -L core)
# A minute of fuzzing: load, calculate, save, reload and the reports.
tools/run-fuzzer.sh 60
