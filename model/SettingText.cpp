// Finds a setting by its name and reads its value from text.

#include "model/SettingText.h"

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
    if (range.kind == SettingKind::Choice) {
        if (text == range.choice0 || text == "0")
            read.value = 0;
        else if (text == range.choice1 || text == "1")
            read.value = 1;
        else
            read.fault = SettingTextFault::NotAChoice;
        return read;
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

}  // namespace spln
