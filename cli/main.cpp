// The command line program spln-cli: the arguments to the run and its outputs.

#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

#ifdef SPLN_CLI_PICTURES
#include "plot/ResultExport.h"
#include "plot/StudyChart.h"

namespace {

spln::PictureFormat FormatOf(spln::cli::OutputKind kind)
{
    switch (kind) {
    case spln::cli::OutputKind::Svg:
        return spln::PictureFormat::Svg;
    case spln::cli::OutputKind::Pdf:
        return spln::PictureFormat::Pdf;
    default:
        return spln::PictureFormat::Png;
    }
}

}  // namespace
#endif

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    spln::cli::PictureExporter exportPicture;
    spln::cli::StudyPictureExporter exportStudyPicture;
#ifdef SPLN_CLI_PICTURES
    // The export starts its offscreen application itself, on its first picture.
    exportPicture = [](const CSplnSettings& settings, CSplineEngine& engine, spln::cli::OutputKind kind,
                       const std::string& path, int width, int height, std::string* error) {
        return spln::ExportResultPicture(settings, engine, FormatOf(kind), path, width, height, error);
    };
    exportStudyPicture = [&argc, argv](const spln::study::StudyResult& result, spln::cli::OutputKind kind,
                                       const std::string& path, int width, int height, std::string* error) {
        spln::EnsureWidgetApplication(argc, argv);
        return spln::ExportStudyPicture(result, FormatOf(kind), path, width, height, error);
    };
#endif
    return spln::cli::RunCommandLine(args, std::cout, std::cerr, exportPicture, exportStudyPicture);
}
