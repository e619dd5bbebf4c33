#!/usr/bin/env bash
# Builds in Release and prints the measured figures, one per line:
# "name value unit".
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
build_preset bench >/dev/null

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
build/bench/bench/wraithlex_bench

# Resident memory of a program once it has started and settled.
rss_mb() {
    local home
    home=$(mktemp -d)
    HOME="$home" XDG_CONFIG_HOME="$home/.config" "$@" &
    local pid=$!
    sleep 3
    local kb
    kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -rf "$home"
    awk -v kb="$kb" 'BEGIN {printf "%.1f", kb / 1024}'
}

game=$(rss_mb build/bench/src/wraithlex)
bare=$(rss_mb build/bench/bench/bare_window)
echo "startup-rss-mb $game MB"
echo "empty-qt-window-rss-mb $bare MB"
awk -v g="$game" -v b="$bare" 'BEGIN {printf "startup-rss-over-bare-mb %.1f MB\n", g - b}'
