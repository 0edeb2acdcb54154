// The command line from arguments to exit status.

#include "cli/CommandLine.h"

#include <memory>
#include <optional>
#include <utility>

#include "cli/ArgumentParser.h"
#include "cli/CompareRuns.h"
#include "cli/HelpText.h"
#include "cli/OutputWriter.h"
#include "cli/PrintableErrors.h"
#include "cli/RunLoop.h"
#include "cli/SameFileCheck.h"
#include "dist/Version.h"
#include "engine/CSplineEngine.h"
#include "engine/DataFile.h"
#include "engine/RunFailure.h"
#include "engine/VectorExp.h"
#include "model/ExperimentFile.h"
#include "model/ResultText.h"
#include "model/RunResults.h"
#include "model/SettingsRecord.h"

namespace spln::cli {

namespace {

bool WantsPictures(const CliOptions& options)
{
    for (const OutputRequest& request : options.outputs)
        if (IsPicture(request.kind))
            return true;
    return false;
}

// Adds every requested output of the engine's last run, in the order asked,
// or the summary line when none was asked for.
void AddRunOutputs(OutputSet& outputs, const CliOptions& options, CSplineEngine& engine,
                   const std::vector<ComparedRun>& compared, const PictureEncoder& encodePicture)
{
    const RunResults results = ResultsOf(engine, options.settings);
    if (options.outputs.empty())
        outputs.Add("-", FormatSummaryLine(results));
    for (const OutputRequest& request : options.outputs) {
        if (!IsPicture(request.kind)) {
            outputs.Add(request.path, FormatOutput(request.kind, results, compared));
            continue;
        }
        std::string bytes;
        std::string reason;
        if (encodePicture(options.settings, engine, options.plot, compared, request.kind, options.pictureWidth,
                          options.pictureHeight, &bytes, &reason))
            outputs.Add(request.path, std::move(bytes));
        else
            outputs.AddUndrawn(request.path, reason);
    }
}

// Text the user asked for on standard output alone; a failed write is a
// failure too.
int Answer(std::ostream& out, std::ostream& err, const std::string& text, const char* what)
{
    out << text;
    out.flush();
    if (out)
        return kExitDone;
    err << "The " << what << " could not be written to standard output.\n";
    return kExitFailed;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& rawErr,
                   const PictureEncoder& encodePicture, const StudyPictureEncoder& encodeStudyPicture)
{
    // Messages echo arguments and file names: their control characters are shown escaped.
    PrintableErrors printable(rawErr);
    std::ostream err(&printable);
    const ParseOutcome parsed = ParseArguments(args);
    if (!parsed.Accepted()) {
        err << parsed.error << "\n";
        return kExitBadInput;
    }
    const CliOptions& options = parsed.options;
    if (options.help)
        return Answer(out, err, HelpText(), "help");
    if (options.version)
        return Answer(out, err, std::string(kVersionLine) + "\n", "version");
    // Checked before anything is written: an output must not replace the sample file or another output.
    if (const std::optional<std::string> shared = FindSharedFile(CommandFiles(options))) {
        err << *shared << "\n";
        return kExitBadInput;
    }

    // The experiment file is prepared before the run and written even where
    // the run itself fails, so that a script can make one from any settings;
    // a study saves the settings it starts from. Otherwise it goes in place
    // together with the run's outputs.
    OutputSet outputs(out, err);
    if (!options.saveSettingsPath.empty() &&
        !outputs.Add(
            options.saveSettingsPath,
            FormatExperiment(
                options.settings, {},
                options.dataPath.empty() ? std::string() : DataPathForFile(options.saveSettingsPath, options.dataPath)),
            "experiment file"))
        return kExitFailed;
    if (options.study)
        return RunStudyCommand(options, outputs, err, encodeStudyPicture);

    if (WantsPictures(options) && !encodePicture) {
        err << "This build of spln-cli cannot draw pictures (--png, --svg, --pdf).\n";
        return kExitBadInput;
    }

    auto engine = std::make_unique<CSplineEngine>();  // too large for the stack
    PrepareEngine(*engine, options);
    // A data file is read once, before anything is written: a malformed one
    // is bad input, as is a window too wide for its samples.
    if (options.settings.m_nSource == kSourceFile) {
        if (!LoadDataFile(*engine)) {
            err << DescribeRunFailure(*engine) << "\n";
            return kExitBadInput;
        }
        engine->m_bDataLoaded = true;
        const CSplnSettings& s = options.settings;
        if (!WindowCheckPasses(s.m_nSource, s.m_nWindow, s.m_nFileLength, engine->m_dataTable.samples)) {
            err << kWindowCheckMessage << " (the data file holds " << engine->m_dataTable.samples << " samples)\n";
            return kExitBadInput;
        }
    }
    std::vector<double> milliseconds;
    if (!RunRepeatedly(*engine, options.repeat, milliseconds)) {
        err << DescribeRunFailure(*engine) << "\n";
        outputs.Commit();
        return kExitFailed;
    }
    if (options.timing)
        err << FormatTimingLine(SummariseTimes(milliseconds)) << "vector path: " << ExpPathName(ActiveExpPath())
            << "\n";

    std::vector<ComparedRun> compared;
    if (const int status = RunComparedFiles(options, *engine, compared, err); status != kExitDone) {
        // As when the run itself fails, the experiment file is written all the same.
        if (status == kExitFailed)
            outputs.Commit();
        return status;
    }
    AddRunOutputs(outputs, options, *engine, compared, encodePicture);
    return outputs.Commit() ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
