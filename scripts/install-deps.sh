#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that are missing, without recommends.
#   scripts/install-deps.sh            what building and running the programs needs
#   scripts/install-deps.sh --package  and what scripts/package.sh needs
#   scripts/install-deps.sh --tests    and what the tests, benchmarks and fuzzing need
set -euo pipefail

# Build and run: the compiler, CMake, Qt 6 and its own translations (standard
# buttons and dialogs in the chosen language), a font for the window, and xdpyinfo,
# with which ./run.sh checks that the display answers.
packages=(
  g++ cmake ninja-build
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev libxkbcommon-dev
  qt6-translations-l10n fonts-dejavu-core x11-utils
)
# dpkg-shlibdeps finds the package's Depends, among the programs CPack's Debian
# generator picks out with `file`.
package_tools=(dpkg-dev file)
# GoogleTest, Google Benchmark, libFuzzer (clang), outside Modbus peers, a virtual
# display for screenshots, and the checkers of the desktop entry and manual pages.
test_tools=(
  libgtest-dev libbenchmark-dev pkg-config
  clang-14 libclang-rt-14-dev
  mbpoll libmodbus-dev socat
  xvfb xauth
  desktop-file-utils groff-base
)

for option in "$@"; do
  case "$option" in
    --package) packages+=("${package_tools[@]}") ;;
    --tests) packages+=("${package_tools[@]}" "${test_tools[@]}") ;;
    *) echo "usage: scripts/install-deps.sh [--package] [--tests]" >&2; exit 2 ;;
  esac
done

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
