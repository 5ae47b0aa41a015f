#!/usr/bin/env bash
# The whole program on generated pairs of 1, 100 and 1000 MB each, clustered and scattered edits,
# offscreen:
#   bench/app.sh [BUILD_DIR]        (BUILD_DIR configured with -DDORIX_BENCH=ON)
#   SIZES="1 100" SHAPES=scattered bench/app.sh     (a part of it)
set -euo pipefail
build=${1:-build-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for mb in ${SIZES:-1 100 1000}; do
  for shape in ${SHAPES:-clustered scattered}; do
    echo "$shape, 2 x $mb MB"
    "$build/bench/make_pair" "$shape" "$mb" "$work/new" "$work/old"
    QT_QPA_PLATFORM=offscreen "$build/bench/app_bench" "$work/new" "$work/old" 2>/dev/null
  done
done
