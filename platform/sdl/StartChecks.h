#pragma once

namespace sk {

// Ctrl+C in the terminal closes the game the way its close box does (the name is saved):
// SDL turns SIGINT into a quit event, but only when SIGINT is not ignored, and a game started
// from a script or in the background inherits it ignored.
void CloseOnInterrupt();

// A hang-up (the terminal went away) or a broken pipe (whoever read the game's output went away,
// as in `--play demo.txt | head -1`) closes the game the same way, so a playback's folder is
// removed and a recording is written. Signals the game was started with ignored (nohup) stay so.
void CloseOnHangUp();

// The game is closing: from now on a hang-up or a broken pipe no longer stops it, so the last
// writes (a recording, the playback folder's removal) are never cut short.
void FinishDespiteHangUp();

// From now on SIGINT and SIGTERM end the program at once, and so does any child process it
// starts (the X11 message box is drawn by one). For the time a message box is open: it waits in
// a loop of its own, where the quit event SDL makes of a signal is never read.
void EndOnSignalsFromNowOn();

// Starts SDL's video. False, with nothing started, when there is no display to show the game
// on: SDL would otherwise fall back to a driver that draws nowhere and run unseen for ever.
// Those drivers stay usable when asked for by name (SDL_VIDEODRIVER), as tests do.
bool StartVideo();

}  // namespace sk
