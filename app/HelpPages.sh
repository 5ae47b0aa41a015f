#!/bin/sh
# The help's pages for a browser: each .htm page of the help folder in UTF-8, the encoding a
# Linux desktop reads them in, with its declared character set to match.
#   HelpPages.sh HELP_DIR OUTPUT_DIR
set -eu
cd "$1"
find . -name '*.htm' | while read -r page; do
  mkdir -p "$2/$(dirname "$page")"
  iconv -f cp1251 -t utf-8 "$page" | sed 's/charset=windows-1251/charset=utf-8/' >"$2/$page"
done
