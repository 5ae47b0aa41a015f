#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building, testing and running Dorix need and
# that this machine lacks. Quiet and quick when nothing is missing. Extra package names given as
# arguments are installed too (make run adds the ones only an interactive session needs).
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  fp-utils
  clang libclang-rt-14-dev
  diffutils git
  qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n librsvg2-bin
  desktop-file-utils appstream dpkg-dev
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
