#!/usr/bin/env bash
# VELSARINO on a Debian 12 machine, from nothing:
#   ./build.sh run    installs what is missing, builds the program and opens it
#   ./build.sh test   installs what is missing, builds with AddressSanitizer and
#                     UndefinedBehaviorSanitizer and runs every test headless
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

# What the build needs, as Debian packages, with what `cpack -G DEB` uses to compute the package's
# dependencies (dpkg-dev, file). The tests also need what checks the Debian package.
packages=(g++ make cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n
          libgl-dev fonts-liberation2 fonts-dejavu-core dpkg-dev file)
if [ "$mode" = test ]; then
  packages+=(lintian desktop-file-utils appstream xauth)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
if [ "$mode" = run ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELSARINO_TESTS=OFF
  cmake --build build -j "$jobs"
  exec ./build/velsarino
else
  cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELSARINO_SANITIZE=ON
  cmake --build build-test -j "$jobs"
  ctest --test-dir build-test --output-on-failure -j "$jobs"
fi
