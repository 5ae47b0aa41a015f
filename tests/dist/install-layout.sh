#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks that everything a desktop needs lands
# where it looks for it, and that the manual pages and the completion work from there.
# install-layout.sh BUILD_DIR
set -euo pipefail
export LC_ALL=C.UTF-8 # the programs' usage is then in English, as checked below
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
root=$dest/usr
fail=0
expect() { [ -s "$root/$1" ] || { echo "missing: /usr/$1"; fail=1; }; }

expect bin/dorix
expect bin/dorix-diff
expect share/dorix/dorix.chm
expect share/dorix/help/index.htm
expect share/dorix/help/HTML/more.htm
expect share/applications/org.dorix.Dorix.desktop
expect share/metainfo/org.dorix.Dorix.metainfo.xml
expect share/icons/hicolor/scalable/apps/org.dorix.Dorix.svg
for size in 16 24 32 48 64 128 256; do
  picture=share/icons/hicolor/${size}x$size/apps/org.dorix.Dorix.png
  expect "$picture"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  width=$(od -An -j16 -N4 -tx1 "$root/$picture" | tr -d ' \n')
  height=$(od -An -j20 -N4 -tx1 "$root/$picture" | tr -d ' \n')
  [ $((16#$width)) -eq "$size" ] && [ $((16#$height)) -eq "$size" ] || { echo "not $size px: $picture"; fail=1; }
done
expect share/man/man1/dorix.1.gz
expect share/man/man1/dorix-diff.1.gz
expect share/bash-completion/completions/dorix-diff
[ -x "$root/bin/dorix" ] && [ -x "$root/bin/dorix-diff" ] || { echo "programs not executable"; fail=1; }
# Nothing of the build's own (tests, static libraries, headers) is installed.
extra=$(cd "$root" && find . -type f | grep -v -E '^\./(bin|share/(dorix|applications|metainfo|icons|man|bash-completion|doc/dorix))/' || true)
[ -z "$extra" ] || { echo "installed but not wanted: $extra"; fail=1; }

# The desktop entry opens the files it is given with the installed program.
entry=$root/share/applications/org.dorix.Dorix.desktop
grep -qx 'Exec=dorix %F' "$entry" || { echo "Exec line"; fail=1; }
# A comparison tool is no file's default application; its window is grouped with its entry.
! grep -q '^MimeType=' "$entry" || { echo "the entry claims a file type"; fail=1; }
grep -qx 'StartupWMClass=dorix' "$entry" || { echo "StartupWMClass"; fail=1; }

# Each manual page is its own program's, with the version filled in.
version=$(sed -n 's/^project(Dorix VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
for page in dorix dorix-diff; do
  text=$(zcat "$root/share/man/man1/$page.1.gz")
  upper=${page^^}
  grep -q "^\.TH $upper 1 \"[0-9-]*\" \"Dorix $version\"" <<<"$text" || { echo "$page.1 title"; fail=1; }
  grep -q "^$page \\\\- " <<<"$text" || { echo "$page.1 name line"; fail=1; }
  [ "$(grep -c '^\.TH' <<<"$text")" -eq 1 ] || { echo "$page.1 holds another page"; fail=1; }
  ! grep -q '@' <<<"$text" || { echo "$page.1 has an unfilled field"; fail=1; }
done
zcat "$root/share/man/man1/dorix-diff.1.gz" | grep -q 'old\\-first' || { echo "dorix-diff.1 lacks --old-first"; fail=1; }
# A page points to the other, not to itself, and names files where this install put them.
for page in dorix dorix-diff; do
  see_also=$(zcat "$root/share/man/man1/$page.1.gz" | sed -n '/^\.SH SEE ALSO/,$p')
  ! grep -q "^\.BR ${page//-/\\\\-} (1)" <<<"$see_also" || { echo "$page.1 refers to itself"; fail=1; }
done
zcat "$root/share/man/man1/dorix.1.gz" | grep -qx '\.I /usr/share/dorix/dorix.chm' || { echo "dorix.1 FILES"; fail=1; }
expect share/doc/dorix/copyright
expect share/doc/dorix/changelog.gz

# The completion, loaded as bash-completion loads it, offers options and their values.
complete_words() {
  bash -c 'compopt() { :; }; source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
           _dorix_diff; printf "%s\n" "${COMPREPLY[@]}"' _ \
    "$root/share/bash-completion/completions/dorix-diff" "$@"
}
[ "$(complete_words dorix-diff --enc)" = "--encoding=" ] || { echo "completion of --enc"; fail=1; }
[ "$(complete_words dorix-diff --view=n)" = "--view=new" ] || { echo "completion of --view=n"; fail=1; }
[ "$(complete_words dorix-diff --line-ends= | sort | tr '\n' ' ')" = "--line-ends=auto --line-ends=cr --line-ends=lf " ] ||
  { echo "completion of --line-ends="; fail=1; }
[ "$(complete_words dorix-diff --old)" = "--old-first" ] || { echo "completion of --old"; fail=1; }
touch "$dest/some-file.txt" "$dest/--color"
[ "$(complete_words dorix-diff "$dest/some-f")" = "$dest/some-file.txt" ] || { echo "completion of a file name"; fail=1; }
# The line as bash splits it into words: at blanks and at each of COMP_WORDBREAKS, which keeps
# its break characters (bar blanks) as words of their own.
complete_line() {
  local line=$1 words=() word='' c
  local breaks=$' \t\n"\'><=;|&(:'
  for ((k = 0; k < ${#line}; k++)); do
    c=${line:k:1}
    if [[ $breaks == *"$c"* ]]; then
      [ -n "$word" ] && words+=("$word")
      word=''
      [[ $c == [[:space:]] ]] || words+=("$c")
    else
      word+=$c
    fi
  done
  [[ -n $word || $line == *[[:space:]] ]] && words+=("$word")
  complete_words "${words[@]}"
}
[ "$(complete_line 'dorix-diff --color=' | sort | tr '\n' ' ')" = "always auto never " ] ||
  { echo "completion after --color= as bash splits it"; fail=1; }
[ "$(complete_line 'dorix-diff --encoding=ut')" = "utf-8" ] || { echo "completion of --encoding=ut"; fail=1; }
[ -z "$(complete_line 'dorix-diff --width=')" ] || { echo "a free value is not completed"; fail=1; }
[ "$(complete_line "dorix-diff -- $dest/--c")" = "$dest/--color" ] || { echo "files after --"; fail=1; }
[ -z "$(cd "$dest" && complete_line 'dorix-diff -- --s')" ] || { echo "no option after --"; fail=1; }

# The installed command runs, and refuses what it cannot take with the usage.
for program in dorix dorix-diff; do
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/$program" --version)" = "$program $version" ] ||
    { echo "$program --version"; fail=1; }
  env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/$program" --help | grep -q "^usage: $program" ||
    { echo "$program --help"; fail=1; }
  for wrong in "a b c" "--frob a b"; do
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/bin/$program" $wrong 2>&1) && rc=0 || rc=$?
    [ "$rc" -eq 2 ] && grep -q "^usage: $program" <<<"$out" || { echo "$program $wrong: $rc"; fail=1; }
  done
done
exit $fail
