#!/usr/bin/env bash
# Folder comparison beside diff -rq, warm cache (the best of three runs each), and the window:
#   bench/folders.sh [BUILD_DIR]
# on the standard libraries of the Python versions installed (with one, against a copy of it
# with one source in a hundred edited) and on a generated pair of 100,000 files with one in a
# hundred changed.
set -euo pipefail
build=${1:-build-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

best() { # best wall time of three runs, in ms
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    local ms=$(((end - start) / 1000000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}

pair() { # NAME NEW OLD
  echo "$1: $(find "$2" "$3" -type f | wc -l) files"
  local d r
  d=$(best diff -rq "$2" "$3")
  r=$(best "$build/cli/dorix-diff" --no-exclude "$2" "$3")
  echo "  diff -rq $d ms, dorix-diff $r ms ($(awk "BEGIN { printf \"%.2f\", $r / $d }") x)"
  QT_QPA_PLATFORM=offscreen "$build/bench/app_bench" "$2" "$3" 2>/dev/null
}

mapfile -t pythons < <(ls -d /usr/lib/python3.[0-9]* 2>/dev/null | sort -V | tail -n 2)
if [ "${#pythons[@]}" -eq 2 ]; then
  pair "Python standard libraries" "${pythons[1]}" "${pythons[0]}"
elif [ "${#pythons[@]}" -eq 1 ]; then
  # One version only: against a copy of itself with one source file in a hundred edited.
  cp -r "${pythons[0]}" "$work/python-old"
  find "$work/python-old" -name '*.py' | sort | awk 'NR % 100 == 0' |
    while read -r f; do echo "# edited" >>"$f"; done
  pair "Python standard library against its copy, 1 % of sources edited" "${pythons[0]}" \
    "$work/python-old"
fi
"$build/bench/make_trees" 100000 "$work/new" "$work/old"
pair "generated, 100,000 files, 1 % changed" "$work/new" "$work/old"
