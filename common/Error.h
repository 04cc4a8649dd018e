#pragma once
#include <stdexcept>
#include <string>

namespace sk {

// An unexpected failure whose message is shown to the player exactly as written
// ("Stream read error", "Bitmap image is not valid", ...). Expected absences never throw:
// they come back as false or empty results.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message, std::string detail = "")
      : std::runtime_error(message), detail_(std::move(detail)) {}
  // What a person at a terminal needs on top of the message (the path tried, the reason);
  // never part of the message itself, which stays exactly as written.
  const std::string& Detail() const { return detail_; }

 private:
  std::string detail_;
};

inline constexpr const char* kStreamReadError = "Stream read error";

}  // namespace sk
