#!/usr/bin/env bash
# The whole program on generated pairs (clustered edits) of 1, 10 and 100 MB each, offscreen:
#   bench/app.sh [BUILD_DIR]        (BUILD_DIR configured with -DDORIX_BENCH=ON)
set -euo pipefail
build=${1:-build-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for mb in ${SIZES:-1 10 100}; do
  "$build/bench/make_pair" clustered "$mb" "$work/new" "$work/old"
  QT_QPA_PLATFORM=offscreen "$build/bench/app_bench" "$work/new" "$work/old" 2>/dev/null
done
