#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}"
build_preset release
exec build/release/src/wraithlex
