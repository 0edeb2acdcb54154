// Writes a study as CSV, JSON, a short summary and a title.

#include "study/StudyText.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "model/ResultText.h"
#include "study/Convergence.h"
#include "study/StudyFit.h"
#include "text/NumberFormat.h"

namespace spln::study {
namespace {

std::string JsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";  // JSON has no NaN or infinity
    return FormatNumber(value);
}

std::string Milliseconds(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

bool WholeNumber(StudyColumn column)
{
    return column == StudyColumn::Value || column == StudyColumn::Across;
}

// A cell as the files write it: whole numbers as such, the run time with
// three decimals, other numbers with every digit; `missing` where there is none.
std::string Cell(StudyColumn column, double value, const char* missing)
{
    if (WholeNumber(column))
        return std::to_string(static_cast<long long>(value));
    if (!std::isfinite(value))
        return missing;
    return column == StudyColumn::Milliseconds ? Milliseconds(value) : FormatNumber(value);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

const char* KindName(StudyKind kind)
{
    switch (kind) {
    case StudyKind::Sweep:
        return "sweep";
    case StudyKind::Grid:
        return "grid";
    case StudyKind::Select:
        return "select";
    case StudyKind::Repeat:
        return "repeat";
    }
    return "";
}

std::string SpreadJson(const Spread& spread)
{
    return "{\"mean\": " + JsonNumber(spread.mean) + ", \"deviation\": " + JsonNumber(spread.deviation) +
           ", \"min\": " + JsonNumber(spread.min) + ", \"max\": " + JsonNumber(spread.max) + "}";
}

std::string SpreadLine(const char* name, const Spread& spread)
{
    char line[160];
    std::snprintf(line, sizeof line, "%-18s mean %.6g  deviation %.6g  min %.6g  max %.6g\n", name, spread.mean,
                  spread.deviation, spread.min, spread.max);
    return line;
}

std::string OrderJson(const OrderFit& fit)
{
    if (!fit.clear)
        return "null";
    return "{\"p\": " + JsonNumber(fit.order) + ", \"C\": " + JsonNumber(fit.constant) +
           ", \"low\": " + JsonNumber(fit.low) + ", \"high\": " + JsonNumber(fit.high) +
           ", \"r2\": " + JsonNumber(fit.r2) + ", \"first\": " + std::to_string(fit.first) +
           ", \"last\": " + std::to_string(fit.last) + ", \"points\": " + std::to_string(fit.points) + "}";
}

std::string PlateauJson(const Plateau& plateau)
{
    if (!plateau.found)
        return "null";
    return "{\"level\": " + JsonNumber(plateau.level) + ", \"from\": " + std::to_string(plateau.from) + "}";
}

// A row's settings as JSON members: "NAME": value, and a grid's second.
std::string RowKeys(const StudyResult& result, const StudyRow& row)
{
    std::string out = Quoted(ValueColumnName(result)) + ": " + std::to_string(row.value);
    if (result.plan.kind == StudyKind::Grid)
        out += ", " + Quoted(ColumnKey(result, StudyColumn::Across)) + ": " + std::to_string(row.across);
    return out;
}

// "schwarz-count = 37", and a grid's second setting.
std::string RowPlace(const StudyResult& result, const StudyRow& row)
{
    std::string out = ValueColumnName(result) + " = " + std::to_string(row.value);
    if (result.plan.kind == StudyKind::Grid)
        out += ", " + ColumnKey(result, StudyColumn::Across) + " = " + std::to_string(row.across);
    return out;
}

// What the rows say, after the rows in the JSON object.
std::string FindingsJson(const StudyResult& result)
{
    const std::vector<StudyRow>& rows = result.rows;
    switch (result.plan.kind) {
    case StudyKind::Sweep: {
        const Convergence convergence = JudgeConvergence(rows);
        return "  \"order\": " + OrderJson(convergence.order) + ",\n  \"plateau\": " + PlateauJson(convergence.plateau);
    }
    case StudyKind::Grid: {
        const std::optional<size_t> best = BestRow(rows);
        if (!best)
            return "  \"best\": null";
        return "  \"best\": {" + RowKeys(result, rows[*best]) +
               ", \"interior_error\": " + JsonNumber(rows[*best].interiorError) + "}";
    }
    case StudyKind::Select: {
        std::string out = "  \"criterion\": \"generalized cross-validation\",\n  \"chosen\": ";
        const std::optional<size_t> chosen = ChosenRow(rows);
        if (!chosen)
            out += "null";
        else
            out += "{" + RowKeys(result, rows[*chosen]) + ", \"gcv\": " + JsonNumber(rows[*chosen].criterion) +
                   (HasErrors(result) ? ", \"interior_error\": " + JsonNumber(rows[*chosen].interiorError) : "") + "}";
        if (!HasErrors(result))
            return out;
        const std::optional<size_t> best = BestRow(rows);
        out += ",\n  \"best\": ";
        if (!best)
            return out + "null";
        return out + "{" + RowKeys(result, rows[*best]) +
               ", \"interior_error\": " + JsonNumber(rows[*best].interiorError) + "}";
    }
    case StudyKind::Repeat: {
        const ErrorSpreads spreads = SpreadsOf(rows);
        return "  \"statistics\": {\"left_error\": " + SpreadJson(spreads.left) +
               ", \"interior_error\": " + SpreadJson(spreads.interior) +
               ", \"right_error\": " + SpreadJson(spreads.right) + "}";
    }
    }
    return {};
}

std::string SelectionSummary(const StudyResult& result)
{
    const std::optional<size_t> chosen = ChosenRow(result.rows);
    if (!chosen)
        return "generalized cross-validation chooses nothing: no value leaves degrees of freedom to spare\n";
    const StudyRow& row = result.rows[*chosen];
    char line[256];
    std::string out = "generalized cross-validation chooses " + RowPlace(result, row);
    if (!HasErrors(result)) {
        std::snprintf(line, sizeof line, " (degrees of freedom %.1f)\n", row.freedom);
        return out + line;
    }
    const StudyRow& best = result.rows[*BestRow(result.rows)];
    std::snprintf(line, sizeof line, " (%s %.3g)\nthe least %s, %.3g, is at ", kInteriorErrorName, row.interiorError,
                  kInteriorErrorName, best.interiorError);
    return out + line + RowPlace(result, best) + "\n";
}

}  // namespace

std::string SettingLabel(SettingId id)
{
    switch (id) {
    case kSettingSchwarzCount:
    case kSettingLsqCount:
        return "number of basic splines";
    case kSettingWindow:
        return "window of averaging";
    case kSettingFileLength:
        return "number of samples";
    default:
        return RangeOf(id).flag;
    }
}

std::vector<StudyColumn> StudyColumns(const StudyResult& result, bool timing)
{
    std::vector<StudyColumn> columns = {StudyColumn::Value};
    if (result.plan.kind == StudyKind::Grid)
        columns.push_back(StudyColumn::Across);
    if (result.plan.kind == StudyKind::Select) {
        columns.push_back(StudyColumn::Criterion);
        columns.push_back(StudyColumn::Freedom);
    }
    if (HasErrors(result)) {
        columns.push_back(StudyColumn::LeftError);
        columns.push_back(StudyColumn::InteriorError);
        columns.push_back(StudyColumn::RightError);
    }
    if (result.plan.kind == StudyKind::Sweep)
        columns.push_back(StudyColumn::LocalOrder);
    if (timing)
        columns.push_back(StudyColumn::Milliseconds);
    return columns;
}

std::string ColumnKey(const StudyResult& result, StudyColumn column)
{
    switch (column) {
    case StudyColumn::Value:
        return ValueColumnName(result);
    case StudyColumn::Across:
        return RangeOf(result.plan.across.setting).flag;
    case StudyColumn::Criterion:
        return "gcv";
    case StudyColumn::Freedom:
        return "degrees_of_freedom";
    case StudyColumn::LeftError:
        return "left_error";
    case StudyColumn::InteriorError:
        return "interior_error";
    case StudyColumn::RightError:
        return "right_error";
    case StudyColumn::LocalOrder:
        return "local_order";
    case StudyColumn::Milliseconds:
        return "milliseconds";
    }
    return {};
}

std::string ColumnHeading(const StudyResult& result, StudyColumn column)
{
    switch (column) {
    case StudyColumn::Value:
        return result.plan.kind == StudyKind::Repeat ? "run" : SettingLabel(result.plan.sweep.setting);
    case StudyColumn::Across:
        return SettingLabel(result.plan.across.setting);
    case StudyColumn::Criterion:
        return "cross-validation";
    case StudyColumn::Freedom:
        return "degrees of freedom";
    case StudyColumn::LeftError:
        return kLeftErrorName;
    case StudyColumn::InteriorError:
        return kInteriorErrorName;
    case StudyColumn::RightError:
        return kRightErrorName;
    case StudyColumn::LocalOrder:
        return "local order";
    case StudyColumn::Milliseconds:
        return "ms";
    }
    return {};
}

double ColumnValue(StudyColumn column, const StudyRow& row, double localOrder)
{
    switch (column) {
    case StudyColumn::Value:
        return row.value;
    case StudyColumn::Across:
        return row.across;
    case StudyColumn::Criterion:
        return row.criterion;
    case StudyColumn::Freedom:
        return row.freedom;
    case StudyColumn::LeftError:
        return row.leftError;
    case StudyColumn::InteriorError:
        return row.interiorError;
    case StudyColumn::RightError:
        return row.rightError;
    case StudyColumn::LocalOrder:
        return localOrder;
    case StudyColumn::Milliseconds:
        return row.milliseconds;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

std::vector<double> LocalOrdersOf(const StudyResult& result)
{
    if (result.plan.kind == StudyKind::Sweep)
        return JudgeConvergence(result.rows).localOrders;
    return std::vector<double>(result.rows.size(), std::numeric_limits<double>::quiet_NaN());
}

std::string ValueColumnName(const StudyResult& result)
{
    return result.plan.kind == StudyKind::Repeat ? "run" : RangeOf(result.plan.sweep.setting).flag;
}

std::string FormatStudyCsv(const StudyResult& result, bool timing)
{
    const std::vector<StudyColumn> columns = StudyColumns(result, timing);
    std::string out;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (c)
            out += ',';
        out += ColumnKey(result, columns[c]);
    }
    out += "\n";
    const std::vector<double> orders = LocalOrdersOf(result);
    for (size_t r = 0; r < result.rows.size(); ++r) {
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c)
                out += ',';
            out += Cell(columns[c], ColumnValue(columns[c], result.rows[r], orders[r]), "");
        }
        out += "\n";
    }
    return out;
}

std::string FormatStudyJson(const StudyResult& result, bool timing)
{
    const StudyPlan& plan = result.plan;
    std::string out = "{\n  \"study\": \"" + std::string(KindName(plan.kind)) + "\",\n";
    if (plan.kind != StudyKind::Repeat)
        out += "  \"setting\": " + Quoted(RangeOf(plan.sweep.setting).flag) + ",\n";
    if (plan.kind == StudyKind::Grid)
        out += "  \"second_setting\": " + Quoted(RangeOf(plan.across.setting).flag) + ",\n";
    out += "  \"seed\": " + std::to_string(plan.seed) + ",\n  \"settings\": {";
    for (const SettingRange& range : kSettingRanges) {
        out += range.id ? ",\n    \"" : "\n    \"";
        out += range.flag;
        out += "\": " + (range.docText ? JsonString(GetSettingText(result.base, range.id))
                                       : JsonNumber(GetSetting(result.base, range.id)));
    }
    out += "\n  },\n  \"planned\": " + std::to_string(result.planned) +
           ",\n  \"cancelled\": " + (result.cancelled ? "true" : "false") + ",\n  \"rows\": [";
    const std::vector<StudyColumn> columns = StudyColumns(result, timing);
    const std::vector<double> orders = LocalOrdersOf(result);
    for (size_t r = 0; r < result.rows.size(); ++r) {
        out += r ? ",\n    {" : "\n    {";
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c)
                out += ", ";
            out += Quoted(ColumnKey(result, columns[c])) + ": " +
                   Cell(columns[c], ColumnValue(columns[c], result.rows[r], orders[r]), "null");
        }
        out += "}";
    }
    out += result.rows.empty() ? "],\n" : "\n  ],\n";
    return out + FindingsJson(result) + "\n}\n";
}

std::string FormatStudySummary(const StudyResult& result)
{
    std::string out;
    if (static_cast<int>(result.rows.size()) < result.planned)
        out += std::string(result.cancelled ? "cancelled" : "stopped") + " after " +
               std::to_string(result.rows.size()) + " of " + std::to_string(result.planned) + " runs\n";
    switch (result.plan.kind) {
    case StudyKind::Sweep: {
        const Convergence convergence = JudgeConvergence(result.rows);
        return out + DescribeOrder(convergence.order) + "\n" + DescribePlateau(convergence.plateau) + "\n";
    }
    case StudyKind::Grid: {
        const std::optional<size_t> best = BestRow(result.rows);
        if (!best)
            return out;
        char line[96];
        std::snprintf(line, sizeof line, "least %s %.3g at ", kInteriorErrorName, result.rows[*best].interiorError);
        return out + line + RowPlace(result, result.rows[*best]) + "\n";
    }
    case StudyKind::Select:
        return out + SelectionSummary(result);
    case StudyKind::Repeat: {
        const ErrorSpreads spreads = SpreadsOf(result.rows);
        out += SpreadLine(kLeftErrorName, spreads.left);
        out += SpreadLine(kInteriorErrorName, spreads.interior);
        out += SpreadLine(kRightErrorName, spreads.right);
        return out;
    }
    }
    return out;
}

std::string StudyTitle(const StudyResult& result)
{
    const StudyPlan& plan = result.plan;
    std::string title;
    switch (plan.kind) {
    case StudyKind::Sweep:
        title = "Study of the " + SettingLabel(plan.sweep.setting);
        break;
    case StudyKind::Grid:
        title = "Study of the " + SettingLabel(plan.sweep.setting) + " and the " + SettingLabel(plan.across.setting);
        break;
    case StudyKind::Select:
        title = "Choosing the " + SettingLabel(plan.sweep.setting) + " from the data";
        break;
    case StudyKind::Repeat:
        title = "Repeat with new noise";
        break;
    }
    const int finished = static_cast<int>(result.rows.size());
    title += ", ";
    if (finished < result.planned)
        title += std::to_string(finished) + " of ";
    title += std::to_string(result.planned) + (result.planned == 1 ? " run" : " runs");
    if (finished < result.planned)
        title += result.cancelled ? " (cancelled)" : " (stopped)";
    return title;
}

}  // namespace spln::study
