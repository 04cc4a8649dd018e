#pragma once
#include <string>
#include <string_view>

namespace sk {

// `text` made safe to show on a terminal or in a message box: every byte that is not part of
// printable UTF-8 (control characters such as ESC and BEL, DEL, the C1 controls, the marks
// that turn the text's direction, bytes that are no UTF-8) becomes \xHH, so a text taken
// from a file can never send commands to the terminal nor disguise what it says. Line breaks
// stay when `keepLineBreaks` is set, for messages of several lines.
std::string PrintableText(std::string_view text, bool keepLineBreaks = false);

}  // namespace sk
