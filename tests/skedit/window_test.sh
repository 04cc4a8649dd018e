#!/usr/bin/env bash
# The editor in a real window: a new map on a picture, three clicks on the canvas, Ctrl+Z,
# Ctrl+S. The saved map lies in the game's map folder, SKVIEW loads it, and SKMAP makes the
# very same file from the saved description. Then one more click, and SIGTERM ends the editor
# cleanly, leaving the unsaved click in the recovery copy.
#   window_test.sh GAME_DIR SOURCE_DIR
# Exit status 77 (skipped) when Xvfb or xdotool is not installed.
set -euo pipefail
source "$(dirname "$0")/../support/xvfb.sh"
game_dir=$1
source_dir=$2
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }

window_test_folder skedit

# A ready-to-play folder of its own, so the map goes to its Maps/ and not the build's.
mkdir -p "$work/game" "$work/config/skarveth"
cp "$game_dir/SKEDIT" "$game_dir/Skarveth.dat" "$work/game/"
cp "$source_dir/data/maps/rustyard.jpg" "$work/picture.jpg"
printf '[Window]\nX=0\nY=0\nWidth=800\nHeight=600\n' > "$work/config/skarveth/skedit.ini"
export XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
start_xvfb "$work"

cd "$work"
game/SKEDIT --new mine.ini --background picture.jpg > "$work/out.txt" 2>&1 &
child_pid=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name "Skarveth Map Editor" 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no editor window:"; cat "$work/out.txt"; exit 1; }
sleep 1
# The canvas fills the left of the 800 x 600 window; these points lie on the picture.
for at in "120 200" "200 260" "260 330"; do
  xdotool mousemove $at click 1
  sleep 0.3
done
xdotool key ctrl+z
sleep 0.3
xdotool key ctrl+s
for _ in $(seq 50); do [ -s game/Maps/mine.map ] && break; sleep 0.1; done
[ -s game/Maps/mine.map ] || { echo "nothing saved:"; cat "$work/out.txt"; exit 1; }

grep -q '^1=' mine.ini && grep -q '^2=' mine.ini || { echo "two waypoints expected:"; cat mine.ini; exit 1; }
if grep -q '^3=' mine.ini; then echo "the undone click was saved:"; cat mine.ini; exit 1; fi
"$game_dir/SKVIEW" game/Maps/mine.map > "$work/view.txt" 2>&1 || { cat "$work/view.txt"; exit 1; }
cp game/Maps/mine.map saved.map
"$game_dir/SKMAP" mine.ini > /dev/null
cmp saved.map game/Maps/mine.map || { echo "SKMAP made another file"; exit 1; }
echo "clicked, undone, saved: the map is in the game's Maps/ and SKMAP makes the same bytes"

xdotool mousemove 150 380 click 1
sleep 0.5
kill -TERM "$child_pid"
for _ in $(seq 50); do kill -0 "$child_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$child_pid" 2>/dev/null; then echo "SIGTERM did not end the editor"; exit 1; fi
child_pid=
grep -q '^3=' config/skarveth/skedit-recovery.ini || { echo "no recovery copy"; exit 1; }
echo "SIGTERM ended the editor and kept the unsaved click for the next start"
