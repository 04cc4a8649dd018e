#pragma once
#include <stdexcept>
#include <string>

namespace sk {

// An unexpected failure whose message is shown to the player exactly as written
// ("Stream read error", "Bitmap image is not valid", ...). Expected absences never throw:
// they come back as false or empty results.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kStreamReadError = "Stream read error";

}  // namespace sk
