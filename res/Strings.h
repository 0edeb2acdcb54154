#pragma once

#include <string_view>

// The application's string table: captions, status-bar texts and command
// prompts. A command prompt holds the status-bar text, a newline and the
// tooltip text.

namespace spln::res {

// The text of string `id`, or an empty view when the table has none.
std::string_view LoadStringResource(unsigned id);

// The status-bar part of a command prompt (before the newline).
std::string_view PromptOf(unsigned id);

// The tooltip part of a command prompt (after the newline); empty if none.
std::string_view TooltipOf(unsigned id);

// Field `index` (0-based) of the newline-separated document string 128.
std::string_view DocumentStringField(int index);

}  // namespace spln::res
