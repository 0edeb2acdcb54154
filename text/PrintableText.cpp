// Escapes the control characters of text meant for a terminal.

#include "text/PrintableText.h"

#include <cstdio>

namespace spln {
namespace {

// The length of the well-formed UTF-8 sequence of two to four bytes that
// starts text[i], or 0.
std::size_t SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    // Overlong forms, surrogates and code points past U+10FFFF are not text.
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

void AppendEscape(std::string& shown, const char* format, unsigned value)
{
    char escape[8];
    std::snprintf(escape, sizeof escape, format, value);
    shown += escape;
}

}  // namespace

std::string PrintableText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if ((byte < 0x20 && byte != '\n') || byte == 0x7F)
                AppendEscape(shown, "\\x%02X", byte);
            else
                shown += static_cast<char>(byte);
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        const auto second = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (length == 0)
            AppendEscape(shown, "\\x%02X", byte);  // not UTF-8: a lone 0x9B is a terminal's escape
        else if (byte == 0xC2 && second <= 0x9F)
            AppendEscape(shown, "\\u%04X", second);
        else
            shown.append(text.substr(i, length));
        i += length == 0 ? 1 : length;
    }
    return shown;
}

}  // namespace spln
