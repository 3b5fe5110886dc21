#!/usr/bin/env bash
# Installs what the program needs to build, run and be tested, from Debian 12's packages.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  libyaml-cpp-dev libcmark-gfm-dev libcmark-gfm-extensions-dev
  fonts-noto-cjk fonts-liberation2 fonts-dejavu-core
  gcc bubblewrap unrtf xdg-utils
  dpkg-dev desktop-file-utils appstream lintian time
  mdbtools-dev libmdb3 mdbtools python3 libsqlite3-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
