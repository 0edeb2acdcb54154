// Runs spln-cli's study and writes its table, CSV, JSON and pictures.

#include "cli/StudyCommand.h"

#include <cstdio>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/OutputWriter.h"
#include "cli/RunLoop.h"
#include "study/StudyText.h"

namespace spln::cli {

std::string FormatStudyTable(const study::StudyResult& result)
{
    char line[160];
    std::snprintf(line, sizeof line, "%14s %14s %14s %14s %10s\n", study::ValueColumnName(result).c_str(), "left error",
                  "interior error", "right error", "ms");
    std::string text = line;
    for (const study::StudyRow& row : result.rows) {
        std::snprintf(line, sizeof line, "%14d %14.6e %14.6e %14.6e %10.3f\n", row.value, row.leftError,
                      row.interiorError, row.rightError, row.milliseconds);
        text += line;
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
        return WriteText("-", FormatStudyTable(result), out, err) ? kExitDone : kExitFailed;
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
        const std::string text =
            request.kind == OutputKind::Json ? study::FormatStudyJson(result) : study::FormatStudyCsv(result);
        written = WriteText(request.path, text, out, err) && written;
    }
    return written ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
