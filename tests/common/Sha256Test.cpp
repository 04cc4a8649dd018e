#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Sha256.h"

namespace sk {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The published test vectors of the algorithm.
TEST(Sha256Test, KnownDigests) {
  EXPECT_EQ(Sha256Hex(Bytes("")),
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex(Bytes("abc")),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits in the first block's padding.
  EXPECT_EQ(Sha256Hex(Bytes("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

TEST(Sha256Test, PiecesOfAnySizeGiveTheWholeDigest) {
  const std::string million(1000000, 'a');
  Sha256 hash;
  std::size_t at = 0;
  for (std::size_t piece = 1; at < million.size(); piece = piece * 7 % 131 + 1) {
    const std::size_t n = std::min(piece, million.size() - at);
    hash.Update(Bytes(million.substr(at, n)));
    at += n;
  }
  const auto digest = hash.Finish();
  EXPECT_EQ(HexDigits(digest), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

}  // namespace
}  // namespace sk
