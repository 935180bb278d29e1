#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build, the tests and the benchmarks need.
# Idempotent: only packages that are missing are installed, without recommends.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev libxkbcommon-dev
  fonts-dejavu-core xvfb xauth socat
  clang-14 libclang-rt-14-dev
  mbpoll libmodbus-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
