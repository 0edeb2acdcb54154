#pragma once

#include "engine/SettingsRanges.h"
#include "engine/SplnSettings.h"

namespace spln::cli {

// Reads and writes one setting of the record by its table position. Whole
// numbers travel as doubles, which hold every value in range exactly.
double GetSetting(const CSplnSettings& settings, SettingId id);
void SetSetting(CSplnSettings& settings, SettingId id, double value);

}  // namespace spln::cli
