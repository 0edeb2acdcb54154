// Finds a setting by its name and reads its value from text.

#include "model/SettingText.h"

#include "model/DocFunctions.h"

#include <algorithm>
#include "text/StrictNumber.h"

namespace spln {

const SettingRange* FindSetting(std::string_view name)
{
    for (const SettingRange& range : kSettingRanges)
        if (name == range.flag)
            return &range;
    return nullptr;
}

SettingText ReadSettingText(const SettingRange& range, std::string_view text)
{
    SettingText read;
    if (range.kind == SettingKind::Text) {
        const bool control = std::any_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) == 0x7f;
        });
        if (text.size() > static_cast<std::size_t>(range.MaxInt()))
            read.fault = SettingTextFault::TooLong;
        else if (control)
            read.fault = SettingTextFault::NotOneLine;
        else
            read.text = std::string(text);
        return read;
    }
    if (range.kind == SettingKind::Choice) {
        read.fault = SettingTextFault::NotAChoice;
        for (int value = 0; value <= range.MaxInt(); ++value) {
            if (text == range.ChoiceName(value) || text == std::to_string(value)) {
                read.value = value;
                read.fault = SettingTextFault::None;
            }
        }
        return read;
    }
    // A built-in function may also be named.
    if (range.id == kSettingExample) {
        if (const int index = doc::IndexOfShortName(text); index >= 0) {
            read.value = index + 1;
            return read;
        }
    }
    switch (ParseNumberWithin(text, range.kind == SettingKind::Integer, range.min, range.max, read.value)) {
    case NumberStatus::Ok:
        break;
    case NumberStatus::NotANumber:
        read.fault = SettingTextFault::NotANumber;
        break;
    case NumberStatus::OutOfRange:
        read.fault = SettingTextFault::OutOfRange;
        break;
    }
    return read;
}

void ApplySettingText(CSplnSettings& settings, const SettingRange& range, const SettingText& read)
{
    if (range.docText)
        SetSettingText(settings, range.id, read.text);
    else
        SetSetting(settings, range.id, read.value);
}

std::string ChoiceNames(const SettingRange& range, const char* separator)
{
    std::string names = range.ChoiceName(0);
    for (int value = 1; value <= range.MaxInt(); ++value) {
        names += separator;
        names += range.ChoiceName(value);
    }
    return names;
}

}  // namespace spln
