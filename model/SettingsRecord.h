#pragma once

// The settings record: one row for each of the twenty settings of a run,
// saying its name on the command line and in the JSON settings block, how it
// is typed, the range the settings dialog accepts, its default, its one-line
// help, and the document's member and the engine's member that hold it. The
// dialog's data exchange, the command line's parsing and --help, experiment
// files, the JSON settings block and the copies into and out of the engine
// all walk this table; a new setting is one more row. Also the dialog's final
// check that the window of averaging is small against the number of samples.
// No toolkit involved.

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/CSplineEngine.h"
#include "model/SplnSettings.h"

namespace spln {

// How a setting is typed in: a whole number, a real number, one of two or
// three named choices stored as 0, 1 and 2, or a line of text.
enum class SettingKind { Integer, Real, Choice, Text };

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
    kSettingFormula,
    kSettingNoiseSeed,
    kSettingResample,
    kSettingCount
};

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

struct SettingRange {
    SettingId id;
    const char* member;  // the document's member the value is stored in, by name
    const char* flag;    // command-line flag without the leading "--"; also the JSON key
    SettingKind kind;
    double min;  // inclusive bounds; whole numbers for Integer and Choice
    double max;
    const char* choice0;  // Choice only: the names of the values 0, 1 and, for three choices, 2
    const char* choice1;
    const char* choice2;  // null for a choice of two
    double defaultValue;  // a fresh engine's, in the document's numbering
    const char* help;     // one line for --help

    // Where the value lives: exactly one of each triple is set, the int
    // member for Integer and Choice, the double member for Real, the text
    // buffer for Text.
    int CSplnSettings::*docWhole;
    double CSplnSettings::*docReal;
    int CSplineEngine::*engineWhole;
    double CSplineEngine::*engineReal;
    char (CSplnSettings::*docText)[kFormulaSize];
    char (CSplineEngine::*engineText)[kFormulaSize];
    EngineForm engineForm;

    // The name of a choice's value, or null for a value that names none.
    constexpr const char* ChoiceName(int value) const
    {
        return value == 0 ? choice0 : value == 1 ? choice1 : value == 2 ? choice2 : nullptr;
    }
    constexpr int MinInt() const { return static_cast<int>(min); }
    constexpr int MaxInt() const { return static_cast<int>(max); }
    constexpr bool Contains(double value) const { return value >= min && value <= max; }
};

// clang-format off
inline constexpr SettingRange kSettingRanges[kSettingCount] = {
#define SPLN_WHOLE(docMember, engineMember) &CSplnSettings::docMember, nullptr, &CSplineEngine::engineMember, nullptr, nullptr, nullptr
#define SPLN_REAL(docMember, engineMember) nullptr, &CSplnSettings::docMember, nullptr, &CSplineEngine::engineMember, nullptr, nullptr
#define SPLN_TEXT(docMember, engineMember) nullptr, nullptr, nullptr, nullptr, &CSplnSettings::docMember, &CSplineEngine::engineMember
    {kSettingSource, "m_nSource", "source", SettingKind::Choice, 0, 2, "example", "file", "formula",
     kDefaultSource, "signal source: built-in function, the sample file or a typed formula",
     SPLN_WHOLE(m_nSource, m_nSource), EngineForm::Same},
    {kSettingExample, "m_nExample", "example", SettingKind::Integer, 1, 11, nullptr, nullptr, nullptr,
     kDefaultExample, "the built-in function by number or short name (listed below)",
     SPLN_WHOLE(m_nExample, m_nExample), EngineForm::Same},
    {kSettingAmplitude, "m_dAmplitude", "amplitude", SettingKind::Real, 0, 0.5, nullptr, nullptr, nullptr,
     kDefaultAmplitude, "amplitude of the uniform noise on the built-in function",
     SPLN_REAL(m_dAmplitude, m_dAmplitude), EngineForm::Same},
    {kSettingFileLength, "m_nFileLength", "samples", SettingKind::Integer, 100, kMaxSamples, nullptr, nullptr, nullptr,
     kDefaultSamples, "samples of the built-in function (File Length)",
     SPLN_WHOLE(m_nFileLength, m_nSamples), EngineForm::Same},
    {kSettingBoard, "m_nBoard", "board", SettingKind::Choice, 0, 1, "given", "estimate", nullptr,
     kDefaultBoard, "ends of the sample file: given values or estimated by a cubic",
     SPLN_WHOLE(m_nBoard, m_nBoard), EngineForm::Same},
    {kSettingLeftValue, "m_dLeftValue", "left-value", SettingKind::Real, -1, 1, nullptr, nullptr, nullptr,
     kDefaultLeftValue, "given value at -1 (sample file, --board given)",
     SPLN_REAL(m_dLeftValue, m_dLeftValue), EngineForm::Same},
    {kSettingRightValue, "m_dRightValue", "right-value", SettingKind::Real, -1, 1, nullptr, nullptr, nullptr,
     kDefaultRightValue, "given value at +1 (sample file, --board given)",
     SPLN_REAL(m_dRightValue, m_dRightValue), EngineForm::Same},
    {kSettingLeftDeriv, "m_dLeftDeriv", "left-deriv", SettingKind::Real, -10, 10, nullptr, nullptr, nullptr,
     kDefaultLeftDeriv, "given derivative at -1 (sample file, --board given)",
     SPLN_REAL(m_dLeftDeriv, m_dLeftDeriv), EngineForm::Same},
    {kSettingRightDeriv, "m_dRightDeriv", "right-deriv", SettingKind::Real, -10, 10, nullptr, nullptr, nullptr,
     kDefaultRightDeriv, "given derivative at +1 (sample file, --board given)",
     SPLN_REAL(m_dRightDeriv, m_dRightDeriv), EngineForm::Same},
    {kSettingLeftMargin, "m_nLeftMargin", "left-margin", SettingKind::Integer, 1, 250, nullptr, nullptr, nullptr,
     kDefaultLeftMargin, "left margin of the estimation",
     SPLN_WHOLE(m_nLeftMargin, m_nLeftMargin), EngineForm::Same},
    {kSettingRightMargin, "m_nRightMargin", "right-margin", SettingKind::Integer, 1, 250, nullptr, nullptr, nullptr,
     kDefaultRightMargin, "right margin of the estimation",
     SPLN_WHOLE(m_nRightMargin, m_nRightMargin), EngineForm::Same},
    {kSettingMethod, "m_nMethod", "method", SettingKind::Choice, 0, 1, "schwarz", "lsq", nullptr,
     MethodFromEngine(kDefaultMethod), "method: projection on Schwarz space or least squares",
     SPLN_WHOLE(m_nMethod, m_nMethod), EngineForm::MethodNumber},
    {kSettingWindow, "m_nWindow", "window", SettingKind::Integer, 1, 500, nullptr, nullptr, nullptr,
     kDefaultWindow, "window of averaging, in sample spacings",
     SPLN_WHOLE(m_nWindow, m_nWindow), EngineForm::Same},
    {kSettingSchwarzType, "m_nSchwarzType", "schwarz-type", SettingKind::Integer, 1, 4, nullptr, nullptr, nullptr,
     kDefaultSchwarzType, "kernel type of the projection",
     SPLN_WHOLE(m_nSchwarzType, m_nSchwarzType), EngineForm::ProjectionType},
    {kSettingSchwarzCount, "m_nSchwarzCount", "schwarz-count", SettingKind::Integer, 15, 501, nullptr, nullptr, nullptr,
     kDefaultSchwarzCount, "number of basic splines of the projection",
     SPLN_WHOLE(m_nSchwarzCount, m_nSchwarzCount), EngineForm::Same},
    {kSettingLsqType, "m_nLsqType", "lsq-type", SettingKind::Integer, 1, 5, nullptr, nullptr, nullptr,
     kDefaultLsqType, "basis type of least squares",
     SPLN_WHOLE(m_nLsqType, m_nLsqType), EngineForm::Same},
    {kSettingLsqCount, "m_nLsqCount", "lsq-count", SettingKind::Integer, 5, kMaxSystem, nullptr, nullptr, nullptr,
     kDefaultLsqCount, "number of basis functions of least squares",
     SPLN_WHOLE(m_nLsqCount, m_nLsqCount), EngineForm::Same},
    {kSettingFormula, "m_szFormula", "formula", SettingKind::Text, 0, kMaxFormulaLength, nullptr, nullptr, nullptr,
     0, "formula in x on [-1, 1] for --source formula, muParser syntax (sets --source formula)",
     SPLN_TEXT(m_szFormula, m_szFormula), EngineForm::Same},
    {kSettingNoiseSeed, "m_nNoiseSeed", "noise-seed", SettingKind::Integer, 0, INT_MAX, nullptr, nullptr, nullptr,
     kDefaultNoiseSeed, "seed of the noise: 0 new noise on every run, S >= 1 the same noise from S",
     SPLN_WHOLE(m_nNoiseSeed, m_nNoiseSeed), EngineForm::Same},
    {kSettingResample, "m_nResample", "resample", SettingKind::Choice, 0, 1, "no", "yes", nullptr,
     kDefaultResample, "data file with uneven x: refused, or interpolated linearly onto as many even points (alone: yes)",
     SPLN_WHOLE(m_nResample, m_nResample), EngineForm::Same},
#undef SPLN_WHOLE
#undef SPLN_REAL
#undef SPLN_TEXT
};
// clang-format on

constexpr const SettingRange& RangeOf(SettingId id)
{
    return kSettingRanges[id];
}

// The document is constructed at the defaults but for the three settings
// CSplnSettings marks as its own.
constexpr bool DocumentStartsAtTheDefaults()
{
    constexpr CSplnSettings initial{};
    for (const SettingRange& range : kSettingRanges) {
        if (range.docText) {
            if ((initial.*range.docText)[0] != '\0')
                return false;
            continue;
        }
        const double value = range.docWhole ? initial.*range.docWhole : initial.*range.docReal;
        const bool own = range.id == kSettingMethod || range.id == kSettingLsqCount || range.id == kSettingLsqType;
        if (own == (value == range.defaultValue))
            return false;
    }
    return true;
}
static_assert(DocumentStartsAtTheDefaults());

// ---- Reading and writing a setting by its row

// Whole numbers travel as doubles, which hold every value in range exactly.
// A text setting has no number: it reads as 0 and ignores one set.
inline double GetSetting(const CSplnSettings& settings, SettingId id)
{
    const SettingRange& range = RangeOf(id);
    if (range.docText)
        return 0.0;
    return range.docWhole ? settings.*range.docWhole : settings.*range.docReal;
}

inline void SetSetting(CSplnSettings& settings, SettingId id, double value)
{
    const SettingRange& range = RangeOf(id);
    if (range.docWhole)
        settings.*range.docWhole = static_cast<int>(value);
    else if (range.docReal)
        settings.*range.docReal = value;
}

// A text setting's value, and one set, cut to what its buffer holds.
inline std::string_view GetSettingText(const CSplnSettings& settings, SettingId id)
{
    const char* text = settings.*RangeOf(id).docText;
    return {text, std::char_traits<char>::length(text)};
}

inline void SetSettingText(CSplnSettings& settings, SettingId id, std::string_view text)
{
    char* buffer = settings.*RangeOf(id).docText;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(kMaxFormulaLength));
    std::char_traits<char>::copy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// Every setting at its default: what the dialog shows on a fresh engine.
CSplnSettings DefaultSettings();

// ---- Window check

inline constexpr const char* kWindowCheckMessage = "Window Averaging divide by Length of File should be less then 0.1";

// The nearest double to 1/4501: the sample file holds 4501 values, so its
// branch ignores the typed file length. A data file of N samples takes 1/N,
// which is this double for N = 4501.
inline constexpr double kInverseFileSamples = 0.00022217285047767163;
static_assert(1.0 / kFileSamples == kInverseFileSamples);

inline constexpr double kMaxWindowRatio = 0.1;

// Window of averaging over the number of samples it is taken from: the
// typed file length, or the fileSamples of a data file.
constexpr double WindowRatio(int source, int window, int fileLength, int fileSamples = kFileSamples)
{
    if (source == kSourceFile)
        return window * (1.0 / fileSamples);
    return static_cast<double>(window) / static_cast<double>(fileLength);
}

// True when the window is at most a tenth of the samples (a ratio of exactly
// 0.1 passes). A non-positive file length, which the ranges exclude, fails
// rather than dividing by zero.
constexpr bool WindowCheckPasses(int source, int window, int fileLength, int fileSamples = kFileSamples)
{
    if (source != kSourceFile && fileLength <= 0)
        return false;
    if (source == kSourceFile && fileSamples <= 0)
        return false;
    return !(WindowRatio(source, window, fileLength, fileSamples) > kMaxWindowRatio);
}

// A failed check puts the window and the number of samples back to their
// defaults, which pass it whatever the source.
static_assert(WindowCheckPasses(0, kDefaultWindow, kDefaultSamples) && WindowCheckPasses(1, kDefaultWindow, 0));

inline void ResetAfterFailedWindowCheck(CSplnSettings& settings)
{
    for (const SettingId id : {kSettingWindow, kSettingFileLength})
        SetSetting(settings, id, RangeOf(id).defaultValue);
}

}  // namespace spln
