#!/usr/bin/env bash
# Runs every fuzz target for a bounded time from its seed corpus:
#   scripts/fuzz.sh BUILD_DIR SECONDS
# New inputs go to a scratch folder, so the seeds in the repository stay as they are. Fails,
# naming the target and the input, on the first finding.
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LSAN_OPTIONS="suppressions=$here/tests/fuzz/lsan.supp"

for target in Engine EvenEdits Characters Readable LookPast Moves Styles Lines Search; do
  name=$(echo "$target" | tr '[:upper:]' '[:lower:]')
  mkdir -p "$scratch/$name"
  if ! "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=0 \
      -artifact_prefix="$scratch/" "$scratch/$name" "$here/tests/fuzz/corpus/$name" \
      >"$scratch/$name.log" 2>&1; then
    tail -n 40 "$scratch/$name.log"
    echo "fuzz_$target found a failing input:" "$scratch"/crash-* "$scratch"/leak-* 2>/dev/null
    cp "$scratch"/crash-* "$scratch"/leak-* . 2>/dev/null || true
    exit 1
  fi
  echo "fuzz_$target: $(grep -oE 'Done [0-9]+ runs in [0-9]+ second' "$scratch/$name.log"), no finding"
done
