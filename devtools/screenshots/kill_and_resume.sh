#!/usr/bin/env bash
# Plays a few keys in the real player under Xvfb, kills it 1.5 s later and
# starts it again on the same file: the mark must be in the kept progress
# after the kill, and the restarted player must keep it. Run from the
# repository root after building: devtools/screenshots/kill_and_resume.sh [DISPLAY]
# (default :99). Works on a scratch copy of build/bin, so the build's own
# settings stay as they are.
set -euo pipefail
cd "$(dirname "$0")/../.."
display=${1:-:99}
scratch=$(mktemp -d)
trap 'kill "${xvfb:-}" "${player:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
cp -r build/bin "$scratch/bin"
cp samples/heart.pbm "$scratch/heart.pbm"
export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb DISPLAY="$display"
mkdir -m 700 "$XDG_RUNTIME_DIR"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

"$scratch/bin/puzzler" "$scratch/heart.pbm" >/dev/null 2>&1 &
player=$!
sleep 3
# Down, Up, Up, Space: the first arrow moves the cursor from the top-left
# cell, the clamped Up keeps it there, Space marks it black.
window=$(xdotool search --name heart | head -1)
xdotool key --window "$window" Down Up Up space
sleep 1.5
kill -9 "$player"
wait "$player" 2>/dev/null || true
player=
kept=$(cat "$scratch"/config/Gridwick/progress/*.progress)
echo "$kept" | sed -n 5p | grep -q '^1' || { echo "FAIL: no mark kept after the kill"; echo "$kept"; exit 1; }

"$scratch/bin/puzzler" "$scratch/heart.pbm" >/dev/null 2>&1 &
player=$!
sleep 3
# Right, X marks the next cell white. The progress then written holds the
# field on screen, so the first mark is in it only when the restart restored it.
window=$(xdotool search --name heart | head -1)
xdotool key --window "$window" Right x
sleep 1.5
kill -9 "$player"
wait "$player" 2>/dev/null || true
sed -n 5p "$scratch"/config/Gridwick/progress/*.progress | grep -q '^12' || { echo "FAIL: the restart lost the mark"; exit 1; }
echo "ok: the mark survived the kill and the restart"
