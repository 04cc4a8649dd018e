#!/usr/bin/env bash
# While the game's error box waits for its OK, Ctrl+C (SIGINT) and a kill (SIGTERM) must still
# end the game, and the box (drawn by a child process on X11) must go with it.
#   box_ends_on_signals.sh GAME_DIR
# Exit status 77 (skipped) when Xvfb or xwininfo is not installed.
set -euo pipefail
source "$(dirname "$0")/../support/xvfb.sh"
game_dir=$1
command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }
command -v xwininfo >/dev/null || { echo "xwininfo (x11-utils) is not installed"; exit 77; }

window_test_folder skbox

# A game folder without its archive: the start ends in the "Cannot load data file." box.
mkdir -p "$work/game" "$work/run"
cp "$game_dir/Skarveth" "$game_dir/DejaVuSans-Bold.ttf" "$work/game/"
printf '[Skarveth Configuration]\nFullScreen=0\n' > "$work/game/Skarveth.ini"
chmod 700 "$work/run"

start_xvfb "$work"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

boxes() { xwininfo -root -tree | grep -c '"Codename: Skarveth"' || true; }

for signal in INT TERM; do
  (cd "$work/game" && XDG_RUNTIME_DIR="$work/run" SDL_AUDIODRIVER=dummy exec ./Skarveth) \
    > "$work/out.txt" 2>&1 &
  child_pid=$!
  for _ in $(seq 300); do [ "$(boxes)" -gt 0 ] && break; sleep 0.1; done
  [ "$(boxes)" -gt 0 ] || { echo "no error box appeared:"; cat "$work/out.txt"; exit 1; }
  kill -"$signal" "$child_pid"
  for _ in $(seq 100); do kill -0 "$child_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$child_pid" 2>/dev/null; then
    echo "SIG$signal did not end the game while its box was open"
    exit 1
  fi
  wait "$child_pid" 2>/dev/null || true
  child_pid=
  for _ in $(seq 50); do [ "$(boxes)" -eq 0 ] && break; sleep 0.1; done
  [ "$(boxes)" -eq 0 ] || { echo "the box outlived the game after SIG$signal"; exit 1; }
  echo "SIG$signal ended the game and its box"
done
