// Writes the command line's text outputs whole, or to standard output.

#include "cli/OutputWriter.h"

#include "io/AtomicFile.h"
#include "model/ResultText.h"

namespace spln::cli {
namespace {

std::string FormatOutput(OutputKind kind, const RunResults& results)
{
    switch (kind) {
    case OutputKind::Json:
        return FormatJson(results);
    case OutputKind::Csv:
        return FormatCsv(results);
    case OutputKind::Png:
    case OutputKind::Svg:
    case OutputKind::Pdf:
        break;
    }
    return {};
}

}  // namespace

bool WriteText(const std::string& path, const std::string& text, std::ostream& out, std::ostream& err)
{
    if (path == "-") {
        out << text;
        out.flush();
        if (!out) {
            err << "The results could not be written to standard output.\n";
            return false;
        }
        return true;
    }
    std::string reason;
    if (!WriteFileAtomically(path, text, &reason)) {
        err << "The output file \"" << path << "\" could not be written: " << reason << ".\n";
        return false;
    }
    return true;
}

bool WriteOutputs(const std::vector<OutputRequest>& outputs, const RunResults& results, std::ostream& out,
                  std::ostream& err)
{
    if (outputs.empty())
        return WriteText("-", FormatSummaryLine(results), out, err);
    bool allWritten = true;
    for (const OutputRequest& request : outputs) {
        if (IsPicture(request.kind))
            continue;
        allWritten = WriteText(request.path, FormatOutput(request.kind, results), out, err) && allWritten;
    }
    return allWritten;
}

}  // namespace spln::cli
