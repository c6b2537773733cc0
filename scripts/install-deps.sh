#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the windows need.
# Quick when everything is there already. Needs root (or sudo).
set -euo pipefail

packages=(qt6-base-dev qt6-svg-dev qt6-translations-l10n cmake ninja-build g++ clang libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libgmsh-dev dpkg-dev fonts-ipafont-gothic xvfb xauth xdotool imagemagick
          poppler-utils librsvg2-bin clang-format-14 file)
if [ "${1:-}" = "--fuzz" ]; then packages+=(libclang-rt-14-dev); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
