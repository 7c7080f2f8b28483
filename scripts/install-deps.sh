#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
set -euo pipefail
PKGS=(build-essential cmake ninja-build pkg-config
      qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libgl1-mesa-dev libxkbcommon-dev
      libjpeg62-turbo-dev nlohmann-json3-dev
      libgtest-dev libgmock-dev libbenchmark-dev
      clang libclang-rt-14-dev
      fonts-dejavu-core xvfb xauth
      desktop-file-utils appstream poppler-utils
      lintian man-db
      python3 clang-format clang-tidy)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
