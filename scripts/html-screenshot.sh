#!/usr/bin/env bash
# A picture of the HTML page dorix-diff writes for the example pair, rendered by a headless
# browser. Skipped with a note where no browser is installed (it is not a build dependency).
set -euo pipefail
build=${1:?usage: html-screenshot.sh BUILD_DIR}
out="$build/screenshots"
browser=$(command -v chromium || command -v chromium-browser || command -v google-chrome || true)
if [ -z "$browser" ]; then
  echo "No headless browser (chromium) here: no picture of the HTML page."
  exit 0
fi
mkdir -p "$out"
# Exit status 1 only says the files differ.
"$build/cli/dorix-diff" --html --width=90 examples/setup-new.txt examples/setup-old.txt \
  >"$out/html-page.html" || [ $? -eq 1 ]
"$browser" --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1000,800 \
  --screenshot="$out/html-page.png" "file://$(realpath "$out/html-page.html")" 2>/dev/null
echo "$out/html-page.png"
