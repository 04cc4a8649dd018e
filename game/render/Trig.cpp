#include <array>
#include <cmath>
#include <numbers>

#include "game/render/Draw.h"

namespace sk {
namespace {

std::array<double, 256> MakeCosTable() {
  std::array<double, 256> table{};
  for (int i = 0; i < 256; ++i) table[i] = std::cos(2.0 * std::numbers::pi * i / 256.0);
  return table;
}

const std::array<double, 256>& CosTable() {
  static const std::array<double, 256> table = MakeCosTable();
  return table;
}

}  // namespace

double Cos256(int index) { return CosTable()[static_cast<unsigned>(index) & 255u]; }
double Sin256(int index) { return Cos256((index & 255) + 192); }

}  // namespace sk
