#pragma once

// Copying text into the engine's fixed-size character arrays.

#include <cstring>

namespace spln {

// Copies text into out, cut to outSize - 1 characters and always terminated.
inline void CopyBoundedText(char* out, int outSize, const char* text)
{
    const std::size_t length = strnlen(text, static_cast<std::size_t>(outSize - 1));
    std::memcpy(out, text, length);
    out[length] = '\0';
}

}  // namespace spln
