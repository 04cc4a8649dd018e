#include "common/StopSignals.h"

#include <cstdlib>
#include <initializer_list>

namespace sk {
namespace {

constexpr std::initializer_list<int> kStopSignals = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

}  // namespace

TStopSignals::TStopSignals() {
  sigemptyset(&held_);
  for (const int s : kStopSignals) {
    // One the program was started with ignored (nohup, a script's background job) stays
    // ignored: held back, the system would keep it pending instead of dropping it.
    struct sigaction now {};
    if (sigaction(s, nullptr, &now) == 0 && now.sa_handler == SIG_IGN) continue;
    sigaddset(&held_, s);
  }
  sigprocmask(SIG_BLOCK, &held_, &before_);
}

TStopSignals::~TStopSignals() { sigprocmask(SIG_SETMASK, &before_, nullptr); }

int TStopSignals::Pending() const {
  sigset_t pending;
  if (sigpending(&pending) != 0) return 0;
  for (const int s : kStopSignals) {
    if (sigismember(&held_, s) == 1 && sigismember(&pending, s) == 1) return s;
  }
  return 0;
}

void TStopSignals::EndBy(int signal) {
  struct sigaction dflt {};
  dflt.sa_handler = SIG_DFL;
  sigaction(signal, &dflt, nullptr);
  sigset_t one;
  sigemptyset(&one);
  sigaddset(&one, signal);
  sigprocmask(SIG_UNBLOCK, &one, nullptr);
  // Only when the signal was gone after all.
  std::_Exit(128 + signal);
}

}  // namespace sk
