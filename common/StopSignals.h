#pragma once
#include <signal.h>

namespace sk {

// Holds back the signals that ask a program to end (SIGINT, SIGTERM, SIGHUP, SIGPIPE) for as
// long as it lives, so that long work can notice them at safe points, remove what it made
// and end then: nothing is handled inside a signal handler, and no global is needed.
class TStopSignals {
 public:
  TStopSignals();
  // Lets held signals through again; one still pending then takes effect.
  ~TStopSignals();
  TStopSignals(const TStopSignals&) = delete;
  TStopSignals& operator=(const TStopSignals&) = delete;

  // The signal that asked to stop, or 0.
  int Pending() const;
  // Ends the process the way the signal would have (its default action), once everything
  // has been cleaned up. A signal the program was started with ignored is never held back
  // and never pending.
  [[noreturn]] void EndBy(int signal);

 private:
  sigset_t held_;
  sigset_t before_;
};

}  // namespace sk
