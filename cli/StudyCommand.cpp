// Runs spln-cli's study and writes its table, CSV, JSON and pictures.

#include "cli/StudyCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "cli/CommandLine.h"
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

int RunStudyCommand(const CliOptions& options, OutputSet& outputs, std::ostream& err,
                    const StudyPictureEncoder& encodePicture)
{
    for (const OutputRequest& request : options.outputs) {
        if (IsPicture(request.kind) && !encodePicture) {
            err << "This build of spln-cli cannot draw pictures (--png, --svg, --pdf).\n";
            return kExitBadInput;
        }
    }

    const study::StudyResult result = study::RunStudy(options.studyPlan, options.settings);
    if (!result.failure.empty()) {
        err << result.failure << "\n";
        outputs.Commit();
        return kExitFailed;
    }
    if (options.timing) {
        std::vector<double> milliseconds;
        for (const study::StudyRow& row : result.rows)
            milliseconds.push_back(row.milliseconds);
        err << FormatTimingLine(SummariseTimes(milliseconds));
    }

    if (options.outputs.empty())
        outputs.Add("-", FormatStudyTable(result, options.timing));
    for (const OutputRequest& request : options.outputs) {
        if (IsPicture(request.kind)) {
            std::string bytes;
            std::string reason;
            if (encodePicture(result, request.kind, options.pictureWidth, options.pictureHeight, &bytes, &reason))
                outputs.Add(request.path, std::move(bytes));
            else
                outputs.AddUndrawn(request.path, reason);
            continue;
        }
        outputs.Add(request.path, request.kind == OutputKind::Json ? study::FormatStudyJson(result, options.timing)
                                                                   : study::FormatStudyCsv(result, options.timing));
    }
    return outputs.Commit() ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
