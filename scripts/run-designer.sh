#!/usr/bin/env bash
# Installs what is needed, builds, and starts the designer on the bundled data.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/bin/shipdesigner"
