#!/usr/bin/env bash
# tools/check-ui-rooms.sh on small made-up trees: one line per case with the
# includes "file:room" each file makes, the options, the exit status and a
# pattern (grep -E) one line of the output must match.
set -euo pipefail
script=$(cd "$(dirname "$0")/../../tools" && pwd)/check-ui-rooms.sh
failures=0

check() {  # includes options status expected
  local root
  root=$(mktemp -d)
  mkdir -p "$root/tools" && cp "$script" "$root/tools/"
  for include in $1; do
    local file=${include%%:*} room=${include##*:}
    mkdir -p "$root/src/ui/$(dirname "$file")"
    if [ "$room" = MainWindow ]; then
      echo 'void MainWindow::Show() {}' >>"$root/src/ui/$file"
    else
      echo "#include \"ui/$room/x.h\"" >>"$root/src/ui/$file"
    fi
  done
  local status=0 output
  output=$("$root/tools/check-ui-rooms.sh" ${2:+"$2"} 2>&1) || status=$?
  if [ "$status" != "$3" ] || ! grep -qE -- "$4" <<<"$output"; then
    echo "FAILED: '$1' $2: status $status, output:" >&2
    echo "$output" >&2
    failures=1
  fi
  rm -rf "$root"
}

check "results/a.cpp:access output/b.cpp:results windows/main_window.cpp:MainWindow" "" 0 "output -> results \\(1 files\\)"
check "tree/a.cpp:panels panels/b.cpp:windows windows/c.cpp:tree" "" 1 "loop: .*windows -> tree"
check "results/a.cpp:tree" "" 1 "against the order: results -> tree"
check "seams/a.cpp:editor" "" 1 "against the order: seams -> editor"
check "files/a.cpp:newroom" "" 1 "outside the agreed order: files -> newroom"
check "tree/a.cpp:MainWindow" "" 1 "outside main_window.cpp: src/ui/tree/a.cpp \\(1\\)"
check "tree/a.cpp:panels panels/b.cpp:tree" "--report-only" 0 "warning only"
exit "$failures"
