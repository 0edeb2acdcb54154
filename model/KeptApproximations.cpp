// Names, summaries and the CSV table of the approximations kept for comparison.

#include "model/KeptApproximations.h"

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "model/SettingsRecord.h"
#include "text/NumberFormat.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace spln {
namespace {

std::string ValueText(const SettingRange& range, const CSplnSettings& settings)
{
    if (range.docText)
        return std::string(GetSettingText(settings, range.id));
    const double value = GetSetting(settings, range.id);
    if (range.kind == SettingKind::Choice) {
        const char* name = range.ChoiceName(static_cast<int>(value));
        return name ? name : std::to_string(static_cast<int>(value));
    }
    if (range.kind == SettingKind::Real)
        return FormatShortest(value);
    return std::to_string(static_cast<int>(value));
}

bool Differs(const CSplnSettings& a, const CSplnSettings& b, SettingId id)
{
    if (RangeOf(id).docText)
        return GetSettingText(a, id) != GetSettingText(b, id);
    return GetSetting(a, id) != GetSetting(b, id);
}

// Rows that say nothing about a run of these settings: the other method's,
// and the formula's text unless the formula is the source.
bool Unused(const CSplnSettings& settings, SettingId id)
{
    if (id == kSettingFormula)
        return settings.m_nSource != kSourceFormula;
    const bool leastSquares = settings.m_nMethod == 1;
    if (id == kSettingSchwarzType || id == kSettingSchwarzCount)
        return leastSquares;
    if (id == kSettingLsqType || id == kSettingLsqCount)
        return !leastSquares;
    return false;
}

std::string Quoted(const std::string& text)
{
    std::string quoted(1, '"');
    for (const char c : text) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

}  // namespace

KeptApproximation KeptFromRun(const CSplnSettings& settings, const CSplineEngine& engine)
{
    KeptApproximation kept;
    kept.settings = settings;
    const int count = std::clamp(engine.m_nResultCount, 0, kMaxSamples);
    kept.x.assign(engine.m_dX, engine.m_dX + count);
    kept.approx.assign(engine.m_dApprox, engine.m_dApprox + count);
    kept.hasErrors = settings.m_nSource != kSourceFile;
    kept.leftError = engine.m_dLeftError;
    kept.interiorError = engine.m_dInteriorError;
    kept.rightError = engine.m_dRightError;
    return kept;
}

double RunOnItsOwn(const CSplnSettings& settings, const char* dataPath, CSplineEngine& engine)
{
    CopySettingsForRun(settings, engine);
    std::strncpy(engine.m_szDataPath, dataPath, sizeof engine.m_szDataPath - 1);
    engine.m_szDataPath[sizeof engine.m_szDataPath - 1] = '\0';
    NoiseSequence scratch;
    engine.m_pNoise = settings.m_nNoiseSeed == kDefaultNoiseSeed ? &scratch : nullptr;
    const auto start = std::chrono::steady_clock::now();
    engine.Run();
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    engine.m_pNoise = nullptr;
    return milliseconds;
}

std::string ShortName(const CSplnSettings& kept, const CSplnSettings& current)
{
    const SettingId count = kept.m_nMethod == 1 ? kSettingLsqCount : kSettingSchwarzCount;
    std::string name;
    const auto add = [&name](const std::string& part) {
        if (!name.empty())
            name.append(", ");
        name.append(part);
    };
    if (Differs(kept, current, kSettingMethod) || Differs(kept, current, count))
        add(ValueText(RangeOf(kSettingMethod), kept).append(" ").append(ValueText(RangeOf(count), kept)));
    for (const SettingRange& range : kSettingRanges) {
        if (range.id == kSettingMethod || range.id == count || Unused(kept, range.id) ||
            !Differs(kept, current, range.id))
            continue;
        add(std::string(range.flag).append(" ").append(ValueText(range, kept)));
    }
    return name.empty() ? "same" : name;
}

std::string DisplayName(const KeptApproximation& kept, const CSplnSettings& current)
{
    return kept.ownName.empty() ? ShortName(kept.settings, current) : kept.ownName;
}

std::string SettingsSummary(const CSplnSettings& settings)
{
    const CSplnSettings defaults = DefaultSettings();
    std::string summary;
    for (const SettingRange& range : kSettingRanges) {
        const bool shownAnyway = range.id == kSettingMethod || range.id == kSettingExample;
        if (Unused(settings, range.id) || (!shownAnyway && !Differs(settings, defaults, range.id)))
            continue;
        if (!summary.empty())
            summary.append(" ");
        summary.append(range.flag).append("=").append(ValueText(range, settings));
    }
    return summary;
}

std::string ComparisonCsv(const std::vector<KeptApproximation>& kept, const CSplnSettings& current)
{
    std::string csv = "name,settings,shown,left_error,interior_error,right_error,run_ms\n";
    for (const KeptApproximation& entry : kept) {
        csv.append(Quoted(DisplayName(entry, current))).append(",");
        csv.append(Quoted(SettingsSummary(entry.settings))).append(",");
        csv.append(entry.shown ? "yes" : "no").append(",");
        if (entry.hasErrors) {
            csv.append(FormatShortest(entry.leftError)).append(",");
            csv.append(FormatShortest(entry.interiorError)).append(",");
            csv.append(FormatShortest(entry.rightError));
        } else {
            csv.append(",,");
        }
        csv.append(",").append(FormatShortest(entry.runMilliseconds)).append("\n");
    }
    return csv;
}

}  // namespace spln
