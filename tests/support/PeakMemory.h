#pragma once
// The process's peak resident memory so far, for tests that a reader stays within its bounds
// on a huge input: an unbounded reader pushes the peak far above any limit a test can name.
#include <sys/resource.h>

#include <cstddef>

namespace sk::test {

inline std::size_t PeakResidentBytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

}  // namespace sk::test
