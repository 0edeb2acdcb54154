// Writes a study as CSV, JSON and a short summary.

#include "study/StudyText.h"

#include <cmath>
#include <cstdio>

#include "study/StudyFit.h"
#include "text/NumberFormat.h"

namespace spln::study {
namespace {

std::string Number(double value)
{
    if (!std::isfinite(value))
        return "null";  // JSON has no NaN or infinity
    return FormatNumber(value);
}

std::string SpreadJson(const Spread& spread)
{
    return "{\"mean\": " + Number(spread.mean) + ", \"deviation\": " + Number(spread.deviation) +
           ", \"min\": " + Number(spread.min) + ", \"max\": " + Number(spread.max) + "}";
}

std::string SpreadLine(const char* name, const Spread& spread)
{
    char line[160];
    std::snprintf(line, sizeof line, "%-15s mean %.6g  deviation %.6g  min %.6g  max %.6g\n", name, spread.mean,
                  spread.deviation, spread.min, spread.max);
    return line;
}

}  // namespace

std::string ValueColumnName(const StudyResult& result)
{
    return result.plan.kind == StudyKind::Sweep ? RangeOf(result.plan.setting).flag : "run";
}

std::string FormatStudyCsv(const StudyResult& result)
{
    std::string out = ValueColumnName(result) + ",left_error,interior_error,right_error,milliseconds\n";
    for (const StudyRow& row : result.rows) {
        out += std::to_string(row.value) + "," + Number(row.leftError) + "," + Number(row.interiorError) + "," +
               Number(row.rightError) + "," + Number(row.milliseconds) + "\n";
    }
    return out;
}

std::string FormatStudyJson(const StudyResult& result)
{
    const bool sweep = result.plan.kind == StudyKind::Sweep;
    std::string out = "{\n  \"study\": \"";
    out += sweep ? "sweep" : "repeat";
    out += "\",\n";
    if (sweep)
        out += "  \"setting\": \"" + std::string(RangeOf(result.plan.setting).flag) + "\",\n";
    out += "  \"seed\": " + std::to_string(result.plan.seed) + ",\n  \"settings\": {";
    for (const SettingRange& range : kSettingRanges) {
        out += range.id ? ",\n    \"" : "\n    \"";
        out += range.flag;
        out += "\": " + Number(GetSetting(result.base, range.id));
    }
    out += "\n  },\n  \"planned\": " + std::to_string(result.planned) +
           ",\n  \"cancelled\": " + (result.cancelled ? "true" : "false") + ",\n  \"rows\": [";
    const std::string name = ValueColumnName(result);
    for (size_t i = 0; i < result.rows.size(); ++i) {
        const StudyRow& row = result.rows[i];
        out += i ? ",\n    {\"" : "\n    {\"";
        out += name + "\": " + std::to_string(row.value) + ", \"left_error\": " + Number(row.leftError) +
               ", \"interior_error\": " + Number(row.interiorError) + ", \"right_error\": " + Number(row.rightError) +
               ", \"milliseconds\": " + Number(row.milliseconds) + "}";
    }
    out += result.rows.empty() ? "],\n" : "\n  ],\n";
    if (sweep) {
        const OrderFit fit = FitOrder(result.rows);
        out += "  \"order\": ";
        if (fit.clear)
            out += "{\"p\": " + Number(fit.order) + ", \"C\": " + Number(fit.constant) +
                   ", \"points\": " + std::to_string(fit.points) + "}";
        else
            out += "null";
    } else {
        const ErrorSpreads spreads = SpreadsOf(result.rows);
        out += "  \"statistics\": {\"left_error\": " + SpreadJson(spreads.left) +
               ", \"interior_error\": " + SpreadJson(spreads.interior) +
               ", \"right_error\": " + SpreadJson(spreads.right) + "}";
    }
    out += "\n}\n";
    return out;
}

std::string FormatStudySummary(const StudyResult& result)
{
    std::string out;
    if (result.cancelled)
        out += "cancelled after " + std::to_string(result.rows.size()) + " of " + std::to_string(result.planned) +
               " runs\n";
    if (result.plan.kind == StudyKind::Sweep)
        return out + DescribeOrder(FitOrder(result.rows)) + "\n";
    const ErrorSpreads spreads = SpreadsOf(result.rows);
    out += SpreadLine("left error", spreads.left);
    out += SpreadLine("interior error", spreads.interior);
    out += SpreadLine("right error", spreads.right);
    return out;
}

std::string StudyTitle(const StudyResult& result)
{
    if (result.plan.kind == StudyKind::Sweep)
        return "Study of " + std::string(RangeOf(result.plan.setting).flag);
    return "Study of " + std::to_string(result.plan.repeat) + " runs with new noise";
}

}  // namespace spln::study
