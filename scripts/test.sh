#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, headless.
#   scripts/test.sh             Release build
#   scripts/test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

preset=release
case "${1:-}" in
    "") ;;
    --sanitize) preset=sanitize ;;
    *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

ensure_packages "${BUILD_PACKAGES[@]}"
build_preset "$preset"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --preset "$preset" --parallel "$(nproc)"
