#!/usr/bin/env bash
# Renews docs/screenshots/player.png, player-solution.png, player-keys.png and
# player-hint.png under Xvfb.
# Run from the repository root after building: devtools/screenshots/player_screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
puzzle=${1:-build/bin/Puzzles/fish.ppm}
mkdir -p docs/screenshots
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1600x900x24" env QT_QPA_PLATFORM=xcb \
    build/tools-build/player_screenshots "$puzzle" build/bin docs/screenshots
