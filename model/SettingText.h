#pragma once

// A setting named and typed as text, as the command line and experiment files
// take it: its row found by name, and its value read against the row's kind
// and range. Each caller words its own messages about a value refused.

#include <string_view>

#include "model/SettingsRecord.h"

namespace spln {

// The row whose flag is `name` (without the leading "--"), or null.
const SettingRange* FindSetting(std::string_view name);

enum class SettingTextFault {
    None,
    NotANumber,  // not a whole number (Integer) or not a number (Real)
    OutOfRange,  // a number outside the row's range
    NotAChoice,  // neither of the row's two names, nor 0 or 1
};

struct SettingText {
    SettingTextFault fault = SettingTextFault::None;
    double value = 0.0;  // None only: the value as SetSetting takes it

    bool Accepted() const { return fault == SettingTextFault::None; }
};

// A choice by its name or as 0 or 1; a number of the row's kind within its range.
SettingText ReadSettingText(const SettingRange& range, std::string_view text);

}  // namespace spln
