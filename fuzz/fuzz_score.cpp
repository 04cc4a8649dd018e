// Reads arbitrary bytes as a score file: writing the table and reading it back must give the
// same table, and writing that again the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "game/maps/SKScore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const sk::TScoreTable table = sk::ParseScoreFile(std::span(data, size));
  const std::vector<std::uint8_t> written = sk::AssembleScoreFile(table);
  const sk::TScoreTable again = sk::ParseScoreFile(written);
  if (again.Entries != table.Entries) std::abort();
  if (sk::AssembleScoreFile(again) != written) std::abort();
  return 0;
}
