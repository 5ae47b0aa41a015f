#!/usr/bin/env bash
# Times `dorix-diff --moves` (the whole comparison, moved text included) beside cmp, GNU diff
# and git's character-level word diff on the same pairs, and prints each median (of RUNS runs,
# wall seconds) and the ratios.
#   bench/peers.sh [BUILD_DIR]        (BUILD_DIR configured with -DDORIX_BENCH=ON)
# Environment: CASES (shape:MB pairs, default the ones bench/README.md reports), RUNS (default
# 5), LIMIT (seconds per run, default 60), REAL=0 to leave out the real pair (two Python standard
# libraries of this machine, each concatenated in path order).
set -euo pipefail
build=${1:-build-bench}
cases=${CASES:-identical:20 clustered:20 scattered:2 unrelated:5 every100:14 every300:14 every700:14 identical:1 clustered:1 scattered:1 unrelated:1}
runs=${RUNS:-5}
limit=${LIMIT:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Median wall time of a command in seconds, or ">LIMIT" when a run hits the limit.
median() {
  local times=() t0 t1 rc
  for _ in $(seq "$runs"); do
    t0=$(date +%s.%N)
    rc=0
    timeout "$limit" "$@" >/dev/null 2>&1 || rc=$?
    t1=$(date +%s.%N)
    [ "$rc" -eq 124 ] && { echo ">$limit"; return; }
    times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN {print b - a}')")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {printf "%.3f", a[int((NR+1)/2)]}'
}

ratio() { case "$1$2" in *'>'*) echo "-" ;; *) echo "$1 $2" | awk '{printf "%.2f", ($2 > 0 ? $1/$2 : 0)}' ;; esac; }

row() { # name new old
  local ours cmpt gnu word
  ours=$(median "$build/cli/dorix-diff" --moves "$2" "$3")
  cmpt=$(median cmp "$3" "$2")
  gnu=$(median diff "$3" "$2")
  word=$(median git diff --no-index --word-diff=porcelain --word-diff-regex=. "$3" "$2")
  printf '%-16s %8s %8s %8s %10s %9s %10s\n' "$1" "$ours" "$cmpt" "$gnu" "$word" \
    "$(ratio "$ours" "$cmpt")" "$(ratio "$ours" "$gnu")"
}

printf '%-16s %8s %8s %8s %10s %9s %10s\n' pair dorix cmp diff git-word dorix/cmp dorix/diff
for c in $cases; do
  "$build/bench/make_pair" "${c%%:*}" "${c##*:}" "$work/new" "$work/old"
  row "${c%%:*} ${c##*:}MB" "$work/new" "$work/old"
done

# A real pair: one source tree at two versions (the newest two Python standard libraries found).
if [ "${REAL:-1}" = 1 ]; then
  libs=$(ls -d /root/.pyenv/versions/3.1[01]*/lib/python3.1[01] /usr/lib/python3.1[01] 2>/dev/null | head -n 2 || true)
  if [ "$(echo "$libs" | grep -c .)" = 2 ]; then
    i=0
    for lib in $libs; do
      (cd "$lib" && find . -name '*.py' -not -path './site-packages/*' -not -path './test/*' |
        LC_ALL=C sort | xargs cat) >"$work/real$i"
      i=$((i + 1))
    done
    row "python stdlib" "$work/real1" "$work/real0"
  fi
fi
