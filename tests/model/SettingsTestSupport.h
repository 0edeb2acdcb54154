#pragma once

// Helpers of the tests that walk the settings record: settings away from every
// default, and two sets of settings compared row by row.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "model/SettingsRecord.h"
#include "text/NumberFormat.h"

namespace spln::test {

// The value as text that reads back to the same double.
inline std::string SettingValueText(double value)
{
    return FormatNumber(value);
}

// A value of the row's own other than its default: the other choice, or a
// point inside the range that differs from row to row (rounded down to a
// whole number), so that two settings exchanged on the way show.
inline double ValueAwayFromDefault(const SettingRange& range)
{
    if (range.kind == SettingKind::Choice)
        return 1 - range.defaultValue;
    double value = range.min + (range.max - range.min) * (range.id + 1) / (kSettingCount + 1);
    if (range.kind == SettingKind::Integer)
        value = std::floor(value);
    return value == range.defaultValue ? range.max : value;
}

// Every setting away from its default, the source too (the sample file); the
// window is narrowed to pass its check for either source.
inline CSplnSettings SettingsAwayFromDefaults()
{
    CSplnSettings settings = DefaultSettings();
    for (const SettingRange& range : kSettingRanges)
        SetSetting(settings, range.id, ValueAwayFromDefault(range));
    SetSettingText(settings, kSettingFormula, "sin(5*x) + abs(x)^0.5");
    settings.m_nWindow = std::min(settings.m_nWindow, settings.m_nFileLength / 10);
    return settings;
}

// The same on the built-in function, for a run that needs no sample file.
inline CSplnSettings RunnableAwayFromDefaults()
{
    CSplnSettings settings = SettingsAwayFromDefaults();
    settings.m_nSource = 0;
    return settings;
}

// Equal to the last bit in every row; a mismatch names each row that differs.
inline ::testing::AssertionResult SameSettingsAs(const CSplnSettings& expected, const CSplnSettings& actual)
{
    std::string differences;
    for (const SettingRange& range : kSettingRanges) {
        if (range.docText) {
            if (GetSettingText(expected, range.id) != GetSettingText(actual, range.id))
                differences += std::string(" ") + range.flag + " differs;";
            continue;
        }
        const double want = GetSetting(expected, range.id);
        const double got = GetSetting(actual, range.id);
        if (std::bit_cast<std::uint64_t>(want) != std::bit_cast<std::uint64_t>(got))
            differences += std::string(" ") + range.flag + ": expected " + SettingValueText(want) + ", got " +
                           SettingValueText(got) + ";";
    }
    if (differences.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "settings differ:" << differences;
}

}  // namespace spln::test
