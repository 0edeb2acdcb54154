// Writes the results of a run as JSON, CSV and a summary line.

#include "model/ResultText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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

void AppendJsonArray(std::string& out, const char* name, const double* values, int count)
{
    out += "  \"";
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

}  // namespace

std::string FormatJson(const RunResults& results)
{
    std::string out = "{\n  \"settings\": {";
    for (const SettingRange& range : kSettingRanges) {
        if (range.id)
            out += ",";
        out += "\n    \"";
        out += range.flag;
        out += "\": ";
        if (range.docText)
            AppendJsonString(out, GetSettingText(results.settings, range.id));
        else
            AppendJsonNumber(out, GetSetting(results.settings, range.id));
    }
    out += "\n  },\n";
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
    out += "\n}\n";
    return out;
}

std::string FormatCsv(const RunResults& results)
{
    std::string out = results.exact ? "x,data,exact,approx,error\n" : "x,data,exact,approx\n";
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
