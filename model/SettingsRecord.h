#pragma once

// The settings record: one row for each of the seventeen settings of a run,
// saying its name on the command line and in the JSON settings block, how it
// is typed, the range the settings dialog accepts, its default, its one-line
// help, the document's member and the engine's member that hold it, and the
// dialog control that edits it. The dialog's data exchange, the command
// line's parsing and --help, the JSON settings block and the copies into and
// out of the engine all walk this table; a new setting is one more row.
// Also the dialog's final check that the window of averaging is small against
// the number of samples. No toolkit involved.

#include <array>
#include <climits>

#include "engine/CSplineEngine.h"
#include "model/SplnSettings.h"

namespace spln {

// How a setting is typed in: a whole number, a real number, or one of two
// named choices stored as 0 and 1.
enum class SettingKind { Integer, Real, Choice };

// How the engine holds a setting the document holds as typed.
enum class EngineForm {
    Same,            // the same number
    MethodNumber,    // the method: document 0/1, engine 1/2
    ProjectionType,  // the projection kernel type: the run takes the dialog's 3 and 4 as its 4 and 3
};

// Position of each setting in kSettingRanges (the settings record's order).
enum SettingId : int {
    kSettingSource,
    kSettingExample,
    kSettingAmplitude,
    kSettingFileLength,
    kSettingBoard,
    kSettingLeftValue,
    kSettingRightValue,
    kSettingLeftDeriv,
    kSettingRightDeriv,
    kSettingLeftMargin,
    kSettingRightMargin,
    kSettingMethod,
    kSettingWindow,
    kSettingSchwarzType,
    kSettingSchwarzCount,
    kSettingLsqType,
    kSettingLsqCount,
    kSettingCount
};

struct SettingRange {
    SettingId id;
    const char* member;  // the document's member the value is stored in, by name
    const char* flag;    // command-line flag without the leading "--"; also the JSON key
    SettingKind kind;
    double min;  // inclusive bounds; whole numbers for Integer and Choice
    double max;
    const char* choice0;  // Choice only: the names of the values 0 and 1
    const char* choice1;
    double defaultValue;  // what the dialog shows on a fresh engine
    const char* help;     // one line for --help

    // Where the value lives: exactly one of each pair is set, the int member
    // for Integer and Choice, the double member for Real.
    int CSplnSettings::*docWhole;
    double CSplnSettings::*docReal;
    int CSplineEngine::*engineWhole;
    double CSplineEngine::*engineReal;
    EngineForm engineForm;

    int control;     // the dialog's edit field, or the first button of a radio group
    int dialogStep;  // position in the dialog's data exchange, which checks fields in this order

    constexpr int MinInt() const { return static_cast<int>(min); }
    constexpr int MaxInt() const { return static_cast<int>(max); }
    constexpr bool Contains(double value) const { return value >= min && value <= max; }
};

// clang-format off
inline constexpr SettingRange kSettingRanges[kSettingCount] = {
#define SPLN_WHOLE(docMember, engineMember) &CSplnSettings::docMember, nullptr, &CSplineEngine::engineMember, nullptr
#define SPLN_REAL(docMember, engineMember) nullptr, &CSplnSettings::docMember, nullptr, &CSplineEngine::engineMember
    {kSettingSource, "m_nSource", "source", SettingKind::Choice, 0, 1, "example", "file", 0,
     "signal source: built-in function or the sample file",
     SPLN_WHOLE(m_nSource, m_nSource), EngineForm::Same, 1000, 0},
    {kSettingExample, "m_nExample", "example", SettingKind::Integer, 1, 11, nullptr, nullptr, 1,
     "number of the built-in function",
     SPLN_WHOLE(m_nExample, m_nExample), EngineForm::Same, 1015, 5},
    {kSettingAmplitude, "m_dAmplitude", "amplitude", SettingKind::Real, 0, 0.5, nullptr, nullptr, 0,
     "amplitude of the uniform noise on the built-in function",
     SPLN_REAL(m_dAmplitude, m_dAmplitude), EngineForm::Same, 1008, 4},
    {kSettingFileLength, "m_nFileLength", "samples", SettingKind::Integer, 100, 10000, nullptr, nullptr, 10000,
     "samples of the built-in function (File Length)",
     SPLN_WHOLE(m_nFileLength, m_nSamples), EngineForm::Same, 1007, 3},
    {kSettingBoard, "m_nBoard", "board", SettingKind::Choice, 0, 1, "given", "estimate", 1,
     "ends of the sample file: given values or estimated by a cubic",
     SPLN_WHOLE(m_nBoard, m_nBoard), EngineForm::Same, 1004, 2},
    {kSettingLeftValue, "m_dLeftValue", "left-value", SettingKind::Real, -1, 1, nullptr, nullptr, 0,
     "given value at -1 (sample file, --board given)",
     SPLN_REAL(m_dLeftValue, m_dLeftValue), EngineForm::Same, 1010, 6},
    {kSettingRightValue, "m_dRightValue", "right-value", SettingKind::Real, -1, 1, nullptr, nullptr, 0,
     "given value at +1 (sample file, --board given)",
     SPLN_REAL(m_dRightValue, m_dRightValue), EngineForm::Same, 1016, 8},
    {kSettingLeftDeriv, "m_dLeftDeriv", "left-deriv", SettingKind::Real, -10, 10, nullptr, nullptr, 0,
     "given derivative at -1 (sample file, --board given)",
     SPLN_REAL(m_dLeftDeriv, m_dLeftDeriv), EngineForm::Same, 1011, 7},
    {kSettingRightDeriv, "m_dRightDeriv", "right-deriv", SettingKind::Real, -10, 10, nullptr, nullptr, 0,
     "given derivative at +1 (sample file, --board given)",
     SPLN_REAL(m_dRightDeriv, m_dRightDeriv), EngineForm::Same, 1017, 9},
    {kSettingLeftMargin, "m_nLeftMargin", "left-margin", SettingKind::Integer, 1, 250, nullptr, nullptr, 250,
     "left margin of the estimation",
     SPLN_WHOLE(m_nLeftMargin, m_nLeftMargin), EngineForm::Same, 1018, 10},
    {kSettingRightMargin, "m_nRightMargin", "right-margin", SettingKind::Integer, 1, 250, nullptr, nullptr, 250,
     "right margin of the estimation",
     SPLN_WHOLE(m_nRightMargin, m_nRightMargin), EngineForm::Same, 1019, 11},
    {kSettingMethod, "m_nMethod", "method", SettingKind::Choice, 0, 1, "schwarz", "lsq", 0,
     "method: projection on Schwarz space or least squares",
     SPLN_WHOLE(m_nMethod, m_nMethod), EngineForm::MethodNumber, 1002, 1},
    {kSettingWindow, "m_nWindow", "window", SettingKind::Integer, 1, 500, nullptr, nullptr, 1,
     "window of averaging, in sample spacings",
     SPLN_WHOLE(m_nWindow, m_nWindow), EngineForm::Same, 1022, 12},
    {kSettingSchwarzType, "m_nSchwarzType", "schwarz-type", SettingKind::Integer, 1, 4, nullptr, nullptr, 1,
     "kernel type of the projection",
     SPLN_WHOLE(m_nSchwarzType, m_nSchwarzType), EngineForm::ProjectionType, 1006, 13},
    {kSettingSchwarzCount, "m_nSchwarzCount", "schwarz-count", SettingKind::Integer, 15, 501, nullptr, nullptr, 51,
     "number of basic splines of the projection",
     SPLN_WHOLE(m_nSchwarzCount, m_nSchwarzCount), EngineForm::Same, 1009, 14},
    {kSettingLsqType, "m_nLsqType", "lsq-type", SettingKind::Integer, 1, 5, nullptr, nullptr, 5,
     "basis type of least squares",
     SPLN_WHOLE(m_nLsqType, m_nLsqType), EngineForm::Same, 1020, 15},
    {kSettingLsqCount, "m_nLsqCount", "lsq-count", SettingKind::Integer, 5, 51, nullptr, nullptr, 35,
     "number of basis functions of least squares",
     SPLN_WHOLE(m_nLsqCount, m_nLsqCount), EngineForm::Same, 1021, 16},
#undef SPLN_WHOLE
#undef SPLN_REAL
};
// clang-format on

constexpr const SettingRange& RangeOf(SettingId id)
{
    return kSettingRanges[id];
}

// The settings in the order the dialog exchanges them.
constexpr std::array<SettingId, kSettingCount> SettingsInDialogOrder()
{
    std::array<SettingId, kSettingCount> order{};
    for (const SettingRange& range : kSettingRanges)
        order[static_cast<std::size_t>(range.dialogStep)] = range.id;
    return order;
}

// ---- Translations between the document's numbers and the engine's

// The method: the dialog's 0 (projection) and 1 (least squares) are the
// engine's 1 and 2. A number at the end of int's range is no method either
// way and stays as it is (the engine refuses it) rather than overflowing.
constexpr int MethodToEngine(int method)
{
    return method == INT_MAX ? method : method + 1;
}
constexpr int MethodFromEngine(int method)
{
    return method == INT_MIN ? method : method - 1;
}

// The dialog offers the projection kernels in another order than the engine
// numbers them: its types 3 and 4 are the engine's 4 and 3. Only the copy
// made for a run translates them; the document's engine keeps them as chosen.
constexpr int ProjectionTypeForRun(int type)
{
    return type == 3 ? 4 : type == 4 ? 3 : type;
}

// ---- Reading and writing a setting by its row

// Whole numbers travel as doubles, which hold every value in range exactly.
inline double GetSetting(const CSplnSettings& settings, SettingId id)
{
    const SettingRange& range = RangeOf(id);
    return range.docWhole ? settings.*range.docWhole : settings.*range.docReal;
}

inline void SetSetting(CSplnSettings& settings, SettingId id, double value)
{
    const SettingRange& range = RangeOf(id);
    if (range.docWhole)
        settings.*range.docWhole = static_cast<int>(value);
    else
        settings.*range.docReal = value;
}

// Every setting at its default: what the dialog shows on a fresh engine.
CSplnSettings DefaultSettings();

// ---- Window check

inline constexpr const char* kWindowCheckMessage = "Window Averaging divide by Length of File should be less then 0.1";

// The nearest double to 1/4501: the sample file always holds 4501 values, so
// its branch ignores the typed file length.
inline constexpr double kInverseFileSamples = 0.00022217285047767163;

inline constexpr double kMaxWindowRatio = 0.1;

// Window of averaging over the number of samples it is taken from.
constexpr double WindowRatio(int source, int window, int fileLength)
{
    if (source != 0)
        return window * kInverseFileSamples;
    return static_cast<double>(window) / static_cast<double>(fileLength);
}

// True when the window is at most a tenth of the samples (a ratio of exactly
// 0.1 passes). A non-positive file length, which the ranges exclude, fails
// rather than dividing by zero.
constexpr bool WindowCheckPasses(int source, int window, int fileLength)
{
    if (source == 0 && fileLength <= 0)
        return false;
    return !(WindowRatio(source, window, fileLength) > kMaxWindowRatio);
}

}  // namespace spln
