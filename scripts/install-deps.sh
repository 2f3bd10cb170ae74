#!/usr/bin/env bash
# The one list of Debian packages Tavlo needs to build, play and test. Installs only what is missing.
# With --bench it also installs the peer game that the window benchmarks measure against.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libopenal-dev libjpeg-dev
  libogg-dev libvorbis-dev
  libogg0 libvorbis0a libvorbisfile3 libvorbisenc2
  fonts-liberation2 fonts-dejavu-core
  # tests
  googletest libgtest-dev
  clang libclang-rt-14-dev
  xvfb openbox xdotool x11-utils x11-xserver-utils imagemagick sox
  libx11-dev libxext-dev
)
if [ "${1:-}" = --bench ]; then
  packages+=(gnome-taquin)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
