#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "game/demo/DemoFormat.h"

namespace sk {

// Asked now and then during long work; true ends it (a signal asked the program to stop).
using StopCheck = std::function<bool()>;
// Thrown when a StopCheck said so.
struct StopRequested {};

// The identity of bytes held in memory.
TFileIdentity IdentifyBytes(std::span<const std::uint8_t> bytes);

// How much of a file the game can ever read, and so how much of it a demo identifies: a map
// or a loose Data/ file is read up to 64 MB (a longer one is refused or read in part, the
// same whatever follows), the archive anywhere.
inline constexpr std::uint64_t kIdentifyWholeFile = ~std::uint64_t{0};

// The identity of the regular file at `path`: its size and the SHA-256 of its first `cap`
// bytes, which is the SHA-256 of the whole file whenever it is no longer. The file is read
// in pieces, so its size costs time but never memory. Nothing when it cannot be read.
std::optional<TFileIdentity> IdentifyFile(const std::string& path, std::uint64_t cap,
                                          const StopCheck& stop = {});

// What became of a checked copy.
enum class TCopyResult { Copied, Unreadable, Differs };

// Copies the regular file at `from` into the new file `to` (made where nothing stands, mode
// 0644) if it has the identity `recorded`, reading at most `cap` bytes of it; a longer file
// is copied as its first `cap` bytes followed by a hole up to its full size, which the game
// reads exactly as the original. `found` tells what the file here is when it differs (its
// SHA-256 is left empty when the sizes already differ). Throws StopRequested when `stop`
// says so, and Error when the copy cannot be written.
TCopyResult CopyCheckedFile(const std::string& from, const TFileIdentity& recorded,
                            std::uint64_t cap, const std::string& to, TFileIdentity& found,
                            const StopCheck& stop = {});

}  // namespace sk
