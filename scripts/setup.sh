#!/usr/bin/env bash
# Installs everything a fresh Debian machine lacks, then configures and builds.
# Safe to run again: installed packages are skipped and the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev libespeak-ng-dev espeak-ng-data libxxhash-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6-dev qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev praat python3
  libgl-dev xvfb xauth xdg-utils time
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ZOR_WERROR=ON in the environment makes warnings errors; ZOR_BUILD_TYPE
# chooses another build type (CI sets both).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${ZOR_BUILD_TYPE:-RelWithDebInfo}" \
  -DZOR_WERROR="${ZOR_WERROR:-OFF}"
cmake --build build
