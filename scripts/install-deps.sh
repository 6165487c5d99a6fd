#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, and only
# those that are missing. Safe to run again: it does nothing when all are there.
set -euo pipefail

# Qt Charts finds its Qt OpenGL dependency through libqt6opengl6-dev's CMake files.
# The last line: checking the hand history files, the desktop files and manual pages, and
# building the Debian package (dpkg-shlibdeps, which needs file).
packages=(g++ cmake ninja-build make libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libtomlplusplus-dev
          nlohmann-json3-dev xvfb xauth
          python3 appstream desktop-file-utils groff-base dpkg-dev file)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
