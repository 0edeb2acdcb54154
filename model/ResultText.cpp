// Writes the results of a run as JSON, CSV and a summary line.

#include "model/ResultText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <utility>
#include <vector>

#include "model/SettingsRecord.h"
#include "text/NumberFormat.h"

namespace spln {
namespace {

void AppendJsonNumber(std::string& out, double value)
{
    if (std::isfinite(value))
        out += FormatNumber(value);
    else
        out += "null";  // JSON has no NaN or infinity
}

void AppendCsvNumber(std::string& out, double value)
{
    if (std::isnan(value))
        out += "nan";  // never "-nan"
    else if (std::isinf(value))
        out += value > 0 ? "inf" : "-inf";
    else
        out += FormatNumber(value);
}

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (code < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendJsonArray(std::string& out, const char* name, const double* values, int count,
                     std::string_view indent = "  ")
{
    out += indent;
    out += "\"";
    out += name;
    out += "\": [";
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ", ";
        if (values)
            AppendJsonNumber(out, values[i]);
        else
            out += "null";
    }
    out += "],\n";
}

// The error of the approximation at each output point, where an exact
// function exists: approximation minus exact, as the error panel draws it.
double PointError(const RunResults& results, int i)
{
    return results.approx[i] - results.exact[i];
}

// "settings": {...} with one member a setting, indented by indent.
void AppendJsonSettings(std::string& out, const CSplnSettings& settings, std::string_view indent)
{
    out += indent;
    out += "\"settings\": {";
    for (const SettingRange& range : kSettingRanges) {
        if (range.id)
            out += ",";
        out += "\n";
        out += indent;
        out += "  \"";
        out += range.flag;
        out += "\": ";
        if (range.docText)
            AppendJsonString(out, GetSettingText(settings, range.id));
        else
            AppendJsonNumber(out, GetSetting(settings, range.id));
    }
    out += "\n";
    out += indent;
    out += "}";
}

void AppendComparedRuns(std::string& out, const std::vector<ComparedRun>& compared)
{
    out += ",\n  \"compare\": [";
    constexpr std::string_view kIndent = "      ";
    for (std::size_t k = 0; k < compared.size(); ++k) {
        const KeptApproximation& run = compared[k].run;
        out += k ? ",\n    {\n" : "\n    {\n";
        out += kIndent;
        out += "\"file\": ";
        AppendJsonString(out, compared[k].file);
        out += ",\n";
        out += kIndent;
        out += "\"name\": ";
        AppendJsonString(out, run.ownName);
        out += ",\n";
        AppendJsonSettings(out, run.settings, kIndent);
        out += ",\n";
        AppendJsonArray(out, "approx", run.approx.data(), static_cast<int>(run.approx.size()), kIndent);
        const std::pair<const char*, double> errors[] = {
            {"left_error", run.leftError}, {"interior_error", run.interiorError}, {"right_error", run.rightError}};
        for (std::size_t e = 0; e < std::size(errors); ++e) {
            out += kIndent;
            out += "\"";
            out += errors[e].first;
            out += "\": ";
            if (run.hasErrors)
                AppendJsonNumber(out, errors[e].second);
            else
                out += "null";
            out += e + 1 < std::size(errors) ? ",\n" : "\n";
        }
        out += "    }";
    }
    out += "\n  ]";
}

}  // namespace

std::string FormatJson(const RunResults& results)
{
    return FormatJson(results, {});
}

std::string FormatJson(const RunResults& results, const std::vector<ComparedRun>& compared)
{
    std::string out = "{\n";
    AppendJsonSettings(out, results.settings, "  ");
    out += ",\n";
    if (results.dataShape.samples > 0) {
        // What the file gave, so that a user can map the numbers back: the
        // interval of x in its own units and the factor its values were divided by.
        const DataShape& shape = results.dataShape;
        out += "  \"data-file\": {\"samples\": " + std::to_string(shape.samples) +
               ", \"columns\": " + std::to_string(shape.columns) + ", \"interval\": [";
        AppendJsonNumber(out, shape.left);
        out += ", ";
        AppendJsonNumber(out, shape.right);
        out += "], \"scale\": ";
        AppendJsonNumber(out, results.dataScale);
        out += std::string(", \"resampled\": ") + (shape.resampled ? "true" : "false") + "},\n";
    }
    out += "  \"points\": " + std::to_string(results.count) + ",\n";
    AppendJsonArray(out, "x", results.x, results.count);
    AppendJsonArray(out, "data", results.data, results.count);
    AppendJsonArray(out, "exact", results.exact, results.count);
    AppendJsonArray(out, "approx", results.approx, results.count);
    if (results.exact) {
        std::vector<double> error(static_cast<std::size_t>(std::max(results.count, 0)));
        for (int i = 0; i < results.count; ++i)
            error[static_cast<std::size_t>(i)] = PointError(results, i);
        AppendJsonArray(out, "error", error.data(), results.count);
    }
    out += "  \"report\": ";
    if (results.hasReport)
        AppendJsonString(out, results.report);
    else
        out += "null";
    if (!compared.empty())
        AppendComparedRuns(out, compared);
    out += "\n}\n";
    return out;
}

std::string FormatCsv(const RunResults& results)
{
    return FormatCsv(results, {});
}

std::string FormatCsv(const RunResults& results, const std::vector<ComparedRun>& compared)
{
    std::string out = results.exact ? "x,data,exact,approx,error" : "x,data,exact,approx";
    for (std::size_t k = 0; k < compared.size(); ++k)
        out += ",approx_" + std::to_string(k + 2);
    out += '\n';
    for (int i = 0; i < results.count; ++i) {
        AppendCsvNumber(out, results.x[i]);
        out += ',';
        AppendCsvNumber(out, results.data[i]);
        out += ',';
        if (results.exact)
            AppendCsvNumber(out, results.exact[i]);
        out += ',';
        AppendCsvNumber(out, results.approx[i]);
        if (results.exact) {
            out += ',';
            AppendCsvNumber(out, PointError(results, i));
        }
        for (const ComparedRun& entry : compared) {
            out += ',';
            // A compared run is at the run's points; one that ends early leaves its cells empty.
            if (static_cast<std::size_t>(i) < entry.run.approx.size())
                AppendCsvNumber(out, entry.run.approx[static_cast<std::size_t>(i)]);
        }
        out += '\n';
    }
    return out;
}

std::string JsonString(std::string_view text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

std::string FormatSummaryLine(const RunResults& results)
{
    if (results.hasReport)
        return results.report + "\n";
    std::string line = "sample file approximated at " + std::to_string(results.count) + " points";
    if (results.dataShape.resampled)
        line += " (uneven x resampled linearly onto " + std::to_string(results.dataShape.samples) + " even points)";
    return line + "\n";
}

}  // namespace spln
