// The command line program spln-cli: the arguments to the run and its outputs.

#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "io/AtomicFile.h"

#ifdef SPLN_CLI_PICTURES
#include "plot/ResultExport.h"
#include "plot/ResultPicture.h"
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

// The bytes of an encoded picture, when it could be encoded.
bool Encoded(bool encoded, const QByteArray& picture, std::string* bytes)
{
    if (encoded)
        bytes->assign(picture.constData(), static_cast<std::size_t>(picture.size()));
    return encoded;
}

}  // namespace
#endif

int main(int argc, char** argv)
{
    // Past the file-size limit a write fails and is reported, instead of the
    // signal ending the program halfway.
    spln::IgnoreFileSizeSignal();
    const std::vector<std::string> args(argv + 1, argv + argc);
    spln::cli::PictureEncoder encodePicture;
    spln::cli::StudyPictureEncoder encodeStudyPicture;
#ifdef SPLN_CLI_PICTURES
    // The encoder starts its offscreen application itself, on its first picture.
    encodePicture = [](const CSplnSettings& settings, CSplineEngine& engine, const spln::PlotOptions& plot,
                       const std::vector<spln::ComparedRun>& compared, spln::cli::OutputKind kind, int width,
                       int height, std::string* bytes, std::string* reason) {
        // The compared runs are drawn as the desktop draws kept approximations.
        spln::KeptPenSet pens;
        spln::PlotOptions drawn = plot;
        for (std::size_t k = 0; k < compared.size(); ++k)
            drawn.extraCurves.push_back(spln::KeptCurve(compared[k].run, compared[k].run.ownName, k, pens));
        QByteArray picture;
        return Encoded(
            spln::EncodeResultPicture(settings, engine, FormatOf(kind), width, height, &picture, reason, drawn),
            picture, bytes);
    };
    encodeStudyPicture = [&argc, argv](const spln::study::StudyResult& result, spln::cli::OutputKind kind, int width,
                                       int height, std::string* bytes, std::string* reason) {
        spln::EnsureWidgetApplication(argc, argv);
        QByteArray picture;
        return Encoded(spln::EncodeStudyPicture(result, FormatOf(kind), width, height, &picture, reason), picture,
                       bytes);
    };
#endif
    return spln::cli::RunCommandLine(args, std::cout, std::cerr, encodePicture, encodeStudyPicture);
}
