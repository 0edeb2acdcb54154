// Runs spln-cli's study and writes its table, CSV, JSON and pictures.

#include "cli/StudyCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/OutputWriter.h"
#include "cli/RunLoop.h"
#include "study/StudyText.h"

namespace spln::cli {

std::string FormatStudyTable(const study::StudyResult& result, bool timing)
{
    const std::vector<study::StudyColumn> columns = study::StudyColumns(result, timing);
    const std::vector<double> orders = study::LocalOrdersOf(result);
    // Each column as wide as its heading, and at least as a number with seven digits.
    std::vector<int> widths;
    std::string text;
    for (study::StudyColumn column : columns) {
        const std::string heading = study::ColumnHeading(result, column);
        widths.push_back(std::max(14, static_cast<int>(heading.size())));
        text.append(static_cast<size_t>(widths.back()) + 1 - heading.size(), ' ');
        text += heading;
    }
    text += "\n";
    char cell[64];
    for (size_t r = 0; r < result.rows.size(); ++r) {
        for (size_t c = 0; c < columns.size(); ++c) {
            const study::StudyColumn column = columns[c];
            const double value = study::ColumnValue(column, result.rows[r], orders[r]);
            const int width = widths[c];
            if (column == study::StudyColumn::Value || column == study::StudyColumn::Across)
                std::snprintf(cell, sizeof cell, " %*d", width, static_cast<int>(value));
            else if (!std::isfinite(value))
                std::snprintf(cell, sizeof cell, " %*s", width, "");
            else if (column == study::StudyColumn::Milliseconds || column == study::StudyColumn::LocalOrder)
                std::snprintf(cell, sizeof cell, " %*.3f", width, value);
            else
                std::snprintf(cell, sizeof cell, " %*.6e", width, value);
            text += cell;
        }
        text += "\n";
    }
    return text + study::FormatStudySummary(result);
}

int RunStudyCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
                    const StudyPictureExporter& exportPicture)
{
    for (const OutputRequest& request : options.outputs) {
        if (IsPicture(request.kind) && !exportPicture) {
            err << "This build of spln-cli cannot draw pictures (--png, --svg, --pdf).\n";
            return kExitBadInput;
        }
    }

    const study::StudyResult result = study::RunStudy(options.studyPlan, options.settings);
    if (!result.failure.empty()) {
        err << result.failure << "\n";
        return kExitFailed;
    }
    if (options.timing) {
        std::vector<double> milliseconds;
        for (const study::StudyRow& row : result.rows)
            milliseconds.push_back(row.milliseconds);
        err << FormatTimingLine(SummariseTimes(milliseconds));
    }

    if (options.outputs.empty())
        return WriteText("-", FormatStudyTable(result, options.timing), out, err) ? kExitDone : kExitFailed;
    bool written = true;
    for (const OutputRequest& request : options.outputs) {
        if (IsPicture(request.kind)) {
            std::string error;
            if (!exportPicture(result, request.kind, request.path, options.pictureWidth, options.pictureHeight,
                               &error)) {
                err << error << "\n";
                written = false;
            }
            continue;
        }
        const std::string text = request.kind == OutputKind::Json ? study::FormatStudyJson(result, options.timing)
                                                                  : study::FormatStudyCsv(result, options.timing);
        written = WriteText(request.path, text, out, err) && written;
    }
    return written ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
