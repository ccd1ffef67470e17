#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Morvane
# needs. Does nothing when they are all there already, so every other script
# calls it first.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build ccache git pkg-config
  # Qt 6 Widgets and what its CMake package expects
  qt6-base-dev libgl-dev
  # tests, benchmarks and fuzzers
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  # fonts for rendering text offscreen and on screen
  fontconfig fonts-dejavu-core
  # running the programs without a desktop, and taking screenshots
  xvfb xauth imagemagick
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
