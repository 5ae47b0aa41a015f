#!/usr/bin/env bash
# Times `dorix-diff --chunks` beside GNU diff and git's character-level word diff on the same
# generated pairs, and prints each median (of RUNS runs) and the ratio to diff.
#   bench/peers.sh [BUILD_DIR]        (BUILD_DIR configured with -DDORIX_BENCH=ON)
# Environment: SIZES (MB, default "1 10"), RUNS (default 3), LIMIT (seconds per run, default 60).
set -euo pipefail
build=${1:-build-bench}
sizes=${SIZES:-1 10}
runs=${RUNS:-3}
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

ratio() { case "$1$2" in *'>'*) echo "-" ;; *) echo "$1 $2" | awk '{printf "%.2f", $1/$2}' ;; esac; }

printf '%-10s %5s %10s %10s %12s %12s\n' shape MB dorix diff git-word dorix/diff
for mb in $sizes; do
  for shape in identical clustered scattered unrelated; do
    "$build/bench/make_pair" "$shape" "$mb" "$work/new" "$work/old"
    ours=$(median "$build/cli/dorix-diff" --chunks "$work/new" "$work/old")
    gnu=$(median diff "$work/old" "$work/new")
    word=$(median git diff --no-index --word-diff=porcelain --word-diff-regex=. "$work/old" "$work/new")
    printf '%-10s %5s %10s %10s %12s %12s\n' "$shape" "$mb" "$ours" "$gnu" "$word" "$(ratio "$ours" "$gnu")"
  done
done
