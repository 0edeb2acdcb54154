#include "cli/CommandLine.h"

#include <memory>

#include "cli/ArgumentParser.h"
#include "cli/HelpText.h"
#include "cli/OutputWriter.h"
#include "cli/RunLoop.h"
#include "cli/RunResults.h"
#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"

namespace spln::cli {

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
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

    auto engine = std::make_unique<CSplineEngine>();  // too large for the stack
    PrepareEngine(*engine, options);
    std::vector<double> milliseconds;
    if (!RunRepeatedly(*engine, options.repeat, milliseconds)) {
        err << DescribeRunFailure(*engine) << "\n";
        return kExitFailed;
    }
    if (options.timing) err << FormatTimingLine(SummariseTimes(milliseconds));

    const RunResults results = ResultsOf(*engine, options.settings);
    return WriteOutputs(options.outputs, results, out, err) ? kExitDone : kExitFailed;
}

}  // namespace spln::cli
