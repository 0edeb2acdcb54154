#pragma once

// Text from the user (arguments, file names) shown safely on a terminal:
// control characters that could move the cursor, change colours or retitle
// the window are written as escapes instead.

#include <string>
#include <string_view>

namespace spln {

// The text with every control character but the line feed written as an
// escape: bytes below 0x20 and 0x7F as "\xHH", the UTF-8 controls U+0080 to
// U+009F as "\uHHHH", and bytes that are not UTF-8 as "\xHH". Everything
// else, other UTF-8 included, stays as it is.
std::string PrintableText(std::string_view text);

}  // namespace spln
