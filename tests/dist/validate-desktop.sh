#!/usr/bin/env bash
# The menu entry and the AppStream metadata as the desktop's own tools read them.
# validate-desktop.sh SOURCE_DIST_DIR BUILD_DIST_DIR; exits 77 (skipped) when a tool is absent.
set -uo pipefail
for tool in desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
fail=0
out=$(desktop-file-validate "$1/org.dorix.Dorix.desktop" 2>&1) || fail=1
[ -z "$out" ] || { echo "$out"; fail=1; } # hints too: the entry is kept free of them
appstreamcli validate --no-net --explain "$2/org.dorix.Dorix.metainfo.xml" || fail=1
exit $fail
