#!/usr/bin/env bash
# The rooms of the window program (the folders of src/ui) and the includes
# between them: lists every edge "room -> room (files)", and fails when the
# rooms include each other in a loop, naming the loop, when a room includes
# one that is not below it in the agreed order (seams, access, editor, the
# views, the commands, windows), or when a file other than
# src/ui/windows/main_window.cpp defines members of MainWindow.
#
# --report-only: the same list and findings, but a finding is a warning and
# the exit status 0 (while the main window is still being split up).
set -euo pipefail
cd "$(dirname "$0")/.."
report_only=false
[ "${1:-}" = --report-only ] && report_only=true

# One line "from to" per file that includes a header of another room.
edges=$({ grep -rHoE '^#include "ui/[a-z_]+/' src/ui --include='*.cpp' --include='*.h' || true; } |
  sed -E 's#^src/ui/([a-z_]+)/[^:]*:\#include "ui/([a-z_]+)/#\1 \2#' |
  awk '$1 != $2' | sort | uniq -c | awk '{print $2, $3, $1}')
echo "Includes between the rooms of src/ui:"
echo "$edges" | awk 'NF {printf "  %s -> %s (%d files)\n", $1, $2, $3}'

findings=0
# tsort names the rooms of each loop in the order of its edges.
loops=$(echo "$edges" | awk 'NF {print $1, $2}' | { tsort 2>&1 >/dev/null || true; } |
  awk '/input contains a loop/ {if (loop) print loop " -> " first; loop = ""; next}
       {sub(/^tsort: /, ""); if (loop == "") {loop = $0; first = $0} else loop = loop " -> " $0}
       END {if (loop) print loop " -> " first}')
if [ -n "$loops" ]; then
  echo "$loops" | sed 's/^/check-ui-rooms: the rooms include each other in a loop: /' >&2
  findings=1
fi

# The agreed order, lowest first; a room includes only rooms of a lower
# rank, so the views and the commands include no room of their own rank.
rank() {
  case "$1" in
    seams) echo 1 ;; access) echo 2 ;; editor) echo 3 ;;
    tree | panels | results | compare) echo 4 ;;
    files | output) echo 5 ;; windows) echo 6 ;; *) echo 0 ;;
  esac
}
while read -r from to count; do
  [ -n "$from" ] || continue
  rf=$(rank "$from") rt=$(rank "$to")
  if [ "$rf" = 0 ] || [ "$rt" = 0 ]; then
    echo "check-ui-rooms: a room outside the agreed order: $from -> $to" >&2
    findings=1
  elif [ "$rt" -ge "$rf" ]; then
    echo "check-ui-rooms: an include against the order: $from -> $to ($count files)" >&2
    findings=1
  fi
done <<<"$edges"

# A definition starts at the line's beginning: "void MainWindow::Name(".
definitions=$(grep -rnE '^([A-Za-z].*[^A-Za-z_0-9])?MainWindow::~?[A-Za-z_0-9]+\(' src \
  --include='*.cpp' --include='*.h' | grep -v '^src/ui/windows/main_window.cpp:' |
  cut -d: -f1 | sort | uniq -c | awk '{print $2 " (" $1 ")"}' || true)
if [ -n "$definitions" ]; then
  echo "$definitions" | sed 's/^/check-ui-rooms: MainWindow members defined outside main_window.cpp: /' >&2
  findings=1
fi

if [ "$findings" = 1 ]; then
  if "$report_only"; then
    echo "check-ui-rooms: warning only (--report-only)" >&2
    exit 0
  fi
  exit 1
fi
echo "ui rooms check passed"
