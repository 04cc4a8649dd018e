#!/usr/bin/env bash
# Plays a demo with the real game in a window, under its own Xvfb, and checks that it ends
# with the same last checkpoint (tick and frame hash) as SKDEMO's expected output: the SDL path
# and the headless path agree.
#   play_in_window.sh GAME_DIR DEMO EXPECTED
# Exit status 77 (skipped) when Xvfb is not installed.
set -euo pipefail
source "$(dirname "$0")/../support/xvfb.sh"
game_dir=$1 demo=$2 expected=$3
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

window_test_folder skplay

# A copy of the game folder, in a window: the player's own settings there may ask for full
# screen, which bare Xvfb cannot give.
mkdir -p "$work/game/Maps" "$work/run"
cp "$game_dir/Skarveth" "$game_dir/Skarveth.dat" "$game_dir/DejaVuSans-Bold.ttf" "$work/game/"
cp "$game_dir"/Maps/*.map "$work/game/Maps/"
printf '[Skarveth Configuration]\nFullScreen=0\n' > "$work/game/Skarveth.ini"
chmod 700 "$work/run"

start_xvfb "$work"

demo_path=$(cd "$(dirname "$demo")" && pwd)/$(basename "$demo")
# In a sanitizer build the desktop's own libraries (X11, D-Bus, the GL driver) keep memory
# until exit; the game's leaks are checked by the in-process tests on the null back-ends.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
status=0
(cd "$work/game" && XDG_RUNTIME_DIR="$work/run" \
   SDL_AUDIODRIVER=dummy timeout 600 ./Skarveth --play "$demo_path") \
  > "$work/out.txt" 2> "$work/err.txt" || status=$?
if [ "$status" -ne 0 ]; then
  echo "Skarveth --play ended with status $status:"
  cat "$work/err.txt"
  exit 1
fi

want=$(tail -n 1 "$expected")
got=$(tail -n 1 "$work/out.txt")
if [ "$want" != "$got" ]; then
  echo "the window's playback ended with: $got"
  echo "SKDEMO's expected last line:      $want"
  exit 1
fi
echo "both end with: $got"
