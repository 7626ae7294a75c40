#!/usr/bin/env bash
# Installs what building, running and testing Tesselon needs on Debian 12 or
# Ubuntu, with sudo when not run as root. Does nothing when all is present.
set -euo pipefail

# The last line serves the test of the installed tree: desktop entry, AppStream
# metadata, icon and manual page.
packages=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev
          libgmp-dev libmpfr-dev nlohmann-json3-dev bc clang-format-14
          xvfb xauth xdotool imagemagick
          desktop-file-utils appstream librsvg2-bin man-db)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
