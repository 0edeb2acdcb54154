#pragma once

// Text of the toolkit-free layers (UTF-8 in std::string_view) as Qt strings.

#include <QString>

#include <string_view>

namespace spln {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace spln
