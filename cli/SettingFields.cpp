#include "cli/SettingFields.h"

namespace spln::cli {
namespace {

// The member behind each table entry; exactly one of the two pointers is set.
struct Field {
    int CSplnSettings::* whole;
    double CSplnSettings::* real;
};

constexpr Field kFields[kSettingCount] = {
    {&CSplnSettings::m_nSource, nullptr},
    {&CSplnSettings::m_nExample, nullptr},
    {nullptr, &CSplnSettings::m_dAmplitude},
    {&CSplnSettings::m_nFileLength, nullptr},
    {&CSplnSettings::m_nBoard, nullptr},
    {nullptr, &CSplnSettings::m_dLeftValue},
    {nullptr, &CSplnSettings::m_dRightValue},
    {nullptr, &CSplnSettings::m_dLeftDeriv},
    {nullptr, &CSplnSettings::m_dRightDeriv},
    {&CSplnSettings::m_nLeftMargin, nullptr},
    {&CSplnSettings::m_nRightMargin, nullptr},
    {&CSplnSettings::m_nMethod, nullptr},
    {&CSplnSettings::m_nWindow, nullptr},
    {&CSplnSettings::m_nSchwarzType, nullptr},
    {&CSplnSettings::m_nSchwarzCount, nullptr},
    {&CSplnSettings::m_nLsqType, nullptr},
    {&CSplnSettings::m_nLsqCount, nullptr},
};

}  // namespace

double GetSetting(const CSplnSettings& settings, SettingId id) {
    const Field& field = kFields[id];
    return field.whole ? settings.*field.whole : settings.*field.real;
}

void SetSetting(CSplnSettings& settings, SettingId id, double value) {
    const Field& field = kFields[id];
    if (field.whole)
        settings.*field.whole = static_cast<int>(value);
    else
        settings.*field.real = value;
}

}  // namespace spln::cli
