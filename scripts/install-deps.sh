#!/usr/bin/env bash
# Installs every Debian package TypeKo needs to build, test and run.
# Does nothing when all of them are present already.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config
  # windows, pictures, sound
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libpng-dev zlib1g-dev libsdl2-dev libsdl2-mixer-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # faces the program maps its font names to
  fonts-ipafont-gothic fonts-ipaexfont-gothic fonts-liberation2 fonts-dejavu-core
  # voices generated at build time, and the recogniser that checks them
  flite sox lame
  pocketsphinx pocketsphinx-en-us mpg123
  # Qt's own texts (message-box buttons) in Japanese
  qt6-translations-l10n
  # end-to-end tests in a real X server
  xvfb xdotool imagemagick x11-utils libx11-dev python3
  # release stages: fuzzing, memory checks, package checks
  clang libclang-rt-14-dev valgrind appstream lintian desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
