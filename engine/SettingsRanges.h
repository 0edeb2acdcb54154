#pragma once

// The seventeen settings of a run with the ranges the settings dialog accepts,
// the flag name each one has on the command line, and the dialog's final check
// that the window of averaging is small against the number of samples.
// Plain constexpr data and inline functions: shared by the desktop dialog and
// the command line, with no toolkit and no engine object involved.

namespace spln {

// How a setting is typed in: a whole number, a real number, or one of two
// named choices stored as 0 and 1.
enum class SettingKind { Integer, Real, Choice };

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
    const char* member;   // the document's member the value is stored in
    const char* flag;     // command-line flag without the leading "--"
    SettingKind kind;
    double min;           // inclusive bounds; whole numbers for Integer and Choice
    double max;
    const char* choice0;  // Choice only: the names of the values 0 and 1
    const char* choice1;

    constexpr int MinInt() const { return static_cast<int>(min); }
    constexpr int MaxInt() const { return static_cast<int>(max); }
    constexpr bool Contains(double value) const { return value >= min && value <= max; }
};

inline constexpr SettingRange kSettingRanges[kSettingCount] = {
    {kSettingSource, "m_nSource", "source", SettingKind::Choice, 0, 1, "example", "file"},
    {kSettingExample, "m_nExample", "example", SettingKind::Integer, 1, 11, nullptr, nullptr},
    {kSettingAmplitude, "m_dAmplitude", "amplitude", SettingKind::Real, 0, 0.5, nullptr, nullptr},
    {kSettingFileLength, "m_nFileLength", "samples", SettingKind::Integer, 100, 10000, nullptr, nullptr},
    {kSettingBoard, "m_nBoard", "board", SettingKind::Choice, 0, 1, "given", "estimate"},
    {kSettingLeftValue, "m_dLeftValue", "left-value", SettingKind::Real, -1, 1, nullptr, nullptr},
    {kSettingRightValue, "m_dRightValue", "right-value", SettingKind::Real, -1, 1, nullptr, nullptr},
    {kSettingLeftDeriv, "m_dLeftDeriv", "left-deriv", SettingKind::Real, -10, 10, nullptr, nullptr},
    {kSettingRightDeriv, "m_dRightDeriv", "right-deriv", SettingKind::Real, -10, 10, nullptr, nullptr},
    {kSettingLeftMargin, "m_nLeftMargin", "left-margin", SettingKind::Integer, 1, 250, nullptr, nullptr},
    {kSettingRightMargin, "m_nRightMargin", "right-margin", SettingKind::Integer, 1, 250, nullptr, nullptr},
    {kSettingMethod, "m_nMethod", "method", SettingKind::Choice, 0, 1, "schwarz", "lsq"},
    {kSettingWindow, "m_nWindow", "window", SettingKind::Integer, 1, 500, nullptr, nullptr},
    {kSettingSchwarzType, "m_nSchwarzType", "schwarz-type", SettingKind::Integer, 1, 4, nullptr, nullptr},
    {kSettingSchwarzCount, "m_nSchwarzCount", "schwarz-count", SettingKind::Integer, 15, 501, nullptr, nullptr},
    {kSettingLsqType, "m_nLsqType", "lsq-type", SettingKind::Integer, 1, 5, nullptr, nullptr},
    {kSettingLsqCount, "m_nLsqCount", "lsq-count", SettingKind::Integer, 5, 51, nullptr, nullptr},
};

constexpr const SettingRange& RangeOf(SettingId id) { return kSettingRanges[id]; }

// ---- Window check

inline constexpr const char* kWindowCheckMessage =
    "Window Averaging divide by Length of File should be less then 0.1";

// The nearest double to 1/4501: the sample file always holds 4501 values, so
// its branch ignores the typed file length.
inline constexpr double kInverseFileSamples = 0.00022217285047767163;

inline constexpr double kMaxWindowRatio = 0.1;

// Window of averaging over the number of samples it is taken from.
constexpr double WindowRatio(int source, int window, int fileLength) {
    if (source != 0) return window * kInverseFileSamples;
    return static_cast<double>(window) / static_cast<double>(fileLength);
}

// True when the window is at most a tenth of the samples (a ratio of exactly
// 0.1 passes). A non-positive file length, which the ranges exclude, fails
// rather than dividing by zero.
constexpr bool WindowCheckPasses(int source, int window, int fileLength) {
    if (source == 0 && fileLength <= 0) return false;
    return !(WindowRatio(source, window, fileLength) > kMaxWindowRatio);
}

}  // namespace spln
