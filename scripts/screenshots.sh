#!/usr/bin/env bash
# Refreshes the README's pictures: runs the built game under a virtual X
# server, plays a move as a player would, and captures the game window in play
# and the Word Maintenance window into docs/.
#   scripts/screenshots.sh           docs/game.png, docs/word-maintenance.png
#   scripts/screenshots.sh --scale 2 the same at a device pixel ratio of 2,
#                                    into build/screenshots-x2/ for checking
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

scale=1
out=docs
if [ "${1:-}" = "--scale" ]; then
    scale=${2:?usage: $0 [--scale N]}
    out=build/screenshots-x$scale
fi

ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick
build_preset release >/dev/null
mkdir -p "$out"

# A throwaway home, so that the player's own saved words are neither shown
# nor changed.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# session NAME: one run of the game under a virtual X server; the steps for
# NAME come from the script below.
session() {
    xvfb-run -a -s "-screen 0 $((1280 * scale))x$((1000 * scale))x24" env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" OUT="$out" SCALE="$scale" STEP="$1" bash -s <<'SESSION'
set -euo pipefail
build/release/src/wraithlex &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Wraithlex$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "the game window did not appear" >&2; exit 1; }
sleep 1

case "$STEP" in
maintenance)
    # Opened from the menu, as a player would: "Word Maintenance" is the
    # second menu, "Show Word Maintenance" its only item.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 70 * SCALE)) $((Y + 10 * SCALE)) click 1
    sleep 0.5
    xdotool key Down Return
    sleep 1
    words=$(xdotool search --onlyvisible --name '^Word Maintenance$' | head -n 1)
    import -window "$words" "$OUT/word-maintenance.png"
    ;;
game)
    # A move: the player adds "t" after the fragment; the computer answers
    # 2.5 seconds later and hands the turn back a second after that.
    xdotool type --window "$window" t
    sleep 4.5
    import -window "$window" "$OUT/game.png"
    ;;
esac
SESSION
}

session maintenance
session game

echo "Wrote $out/game.png and $out/word-maintenance.png"
