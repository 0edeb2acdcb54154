// Runs spln-cli's study and writes its table, CSV, JSON and pictures.

#include "cli/StudyCommand.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "cli/CommandLine.h"
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
        outputs.Add("-", FormatStudyTable(result));
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
        outputs.Add(request.path,
                    request.kind == OutputKind::Json ? study::FormatStudyJson(result) : study::FormatStudyCsv(result));
    }
    return outputs.Commit() ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
