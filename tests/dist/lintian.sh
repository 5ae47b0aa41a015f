#!/usr/bin/env bash
# The Debian package as Debian's own checker reads it: no error and no warning.
# lintian.sh BUILD_DIR; exits 77 (skipped) when lintian is not installed.
set -uo pipefail
command -v lintian >/dev/null || { echo "skipped: lintian is not installed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; exit 1; }
lintian --fail-on error,warning --tag-display-limit 0 "$out"/*.deb 2>&1 | grep -v 'root privileges'
exit "${PIPESTATUS[0]}"
