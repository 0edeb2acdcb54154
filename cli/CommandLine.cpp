// The command line from arguments to exit status.

#include "cli/CommandLine.h"

#include <memory>
#include <optional>

#include "cli/ArgumentParser.h"
#include "cli/HelpText.h"
#include "cli/OutputWriter.h"
#include "cli/RunLoop.h"
#include "cli/SameFileCheck.h"
#include "dist/Version.h"
#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "engine/VectorExp.h"
#include "io/AtomicFile.h"
#include "model/ExperimentFile.h"
#include "model/RunResults.h"

namespace spln::cli {

namespace {

bool WantsPictures(const CliOptions& options)
{
    for (const OutputRequest& request : options.outputs)
        if (IsPicture(request.kind))
            return true;
    return false;
}

bool WritePictures(const CliOptions& options, CSplineEngine& engine, const PictureExporter& exportPicture,
                   std::ostream& err)
{
    bool allWritten = true;
    for (const OutputRequest& request : options.outputs) {
        if (!IsPicture(request.kind))
            continue;
        std::string error;
        if (!exportPicture(options.settings, engine, request.kind, request.path, options.pictureWidth,
                           options.pictureHeight, &error)) {
            err << error << "\n";
            allWritten = false;
        }
    }
    return allWritten;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureExporter& exportPicture, const StudyPictureExporter& exportStudyPicture)
{
    const ParseOutcome parsed = ParseArguments(args);
    if (!parsed.Accepted()) {
        err << parsed.error << "\n";
        return kExitBadInput;
    }
    const CliOptions& options = parsed.options;
    if (options.help) {
        out << HelpText();
        return kExitDone;
    }
    if (options.version) {
        out << kVersionLine << "\n";
        return kExitDone;
    }
    // Checked before anything is written: an output must not replace the sample file or another output.
    if (const std::optional<std::string> shared = FindSharedFile(CommandFiles(options))) {
        err << *shared << "\n";
        return kExitBadInput;
    }

    // The settings are written before the run, so that a script can make an
    // experiment file even where the run itself would fail; a study saves the
    // settings it starts from.
    if (!options.saveSettingsPath.empty()) {
        std::string reason;
        if (!WriteFileAtomically(options.saveSettingsPath, FormatExperiment(options.settings), &reason)) {
            err << "The experiment file \"" << options.saveSettingsPath << "\" could not be written: " << reason
                << ".\n";
            return kExitFailed;
        }
    }
    if (options.study)
        return RunStudyCommand(options, out, err, exportStudyPicture);

    if (WantsPictures(options) && !exportPicture) {
        err << "This build of spln-cli cannot draw pictures (--png, --svg, --pdf).\n";
        return kExitBadInput;
    }

    auto engine = std::make_unique<CSplineEngine>();  // too large for the stack
    PrepareEngine(*engine, options);
    std::vector<double> milliseconds;
    if (!RunRepeatedly(*engine, options.repeat, milliseconds)) {
        err << DescribeRunFailure(*engine) << "\n";
        return kExitFailed;
    }
    if (options.timing)
        err << FormatTimingLine(SummariseTimes(milliseconds)) << "vector path: " << ExpPathName(ActiveExpPath())
            << "\n";

    const RunResults results = ResultsOf(*engine, options.settings);
    bool written = WriteOutputs(options.outputs, results, out, err);
    if (WantsPictures(options))
        written = WritePictures(options, *engine, exportPicture, err) && written;
    return written ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
