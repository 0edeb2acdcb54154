#pragma once

// A setting named and typed as text, as the command line and experiment files
// take it: its row found by name, and its value read against the row's kind
// and range. Each caller words its own messages about a value refused.

#include <string>
#include <string_view>

#include "model/SettingsRecord.h"

namespace spln {

// The row whose flag is `name` (without the leading "--"), or null.
const SettingRange* FindSetting(std::string_view name);

enum class SettingTextFault {
    None,
    NotANumber,  // not a whole number (Integer) or not a number (Real)
    OutOfRange,  // a number outside the row's range
    NotAChoice,  // none of the row's names, nor their numbers 0, 1 (and 2)
    TooLong,     // text longer than the row's maximum
    NotOneLine,  // text holding a control character, which no line of an experiment file could keep
};

struct SettingText {
    SettingTextFault fault = SettingTextFault::None;
    double value = 0.0;  // None only: the value as SetSetting takes it
    std::string text;    // None only, for a text setting: the text as SetSettingText takes it

    bool Accepted() const { return fault == SettingTextFault::None; }
};

// A choice by its name or its number; a number of the row's kind within its
// range (the built-in function also by its short name); for a text setting,
// any text of at most the row's maximum length.
SettingText ReadSettingText(const SettingRange& range, std::string_view text);

// Stores an accepted reading of the setting into settings.
void ApplySettingText(CSplnSettings& settings, const SettingRange& range, const SettingText& read);

// "example, file, formula": the names of a choice's values, joined by separator.
std::string ChoiceNames(const SettingRange& range, const char* separator);

}  // namespace spln
