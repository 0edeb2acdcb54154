// Reads, runs and names the experiment files of --compare.

#include "cli/CompareRuns.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "cli/CommandLine.h"
#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "model/ExperimentFile.h"
#include "model/KeptApproximations.h"

namespace spln::cli {
namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The last part of a path: how a legend names the file.
std::string FileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos || slash + 1 == path.size() ? path : path.substr(slash + 1);
}

bool SamePoints(const KeptApproximation& run, const CSplineEngine& main)
{
    return run.x.size() == static_cast<std::size_t>(main.m_nResultCount) &&
           (run.x.empty() || std::memcmp(run.x.data(), main.m_dX, run.x.size() * sizeof(double)) == 0);
}

// "640 points from -1 to 1", the ends with six digits.
std::string PointsText(std::size_t count, const double* x)
{
    if (count == 0)
        return "no points";
    char ends[64];
    std::snprintf(ends, sizeof ends, " points from %g to %g", x[0], x[count - 1]);
    return std::to_string(count) + ends;
}

}  // namespace

std::optional<std::string> AddComparedFile(CliOptions& options, const std::string& flag, const std::string& path)
{
    if (path.empty() || path == "-")
        return flag + " needs the name of an experiment file";
    if (options.compared.size() >= static_cast<std::size_t>(kMaxKept))
        return flag + ": at most " + std::to_string(kMaxKept) + " files can be compared, each in a pen of its own";
    options.compared.push_back({path, {}});
    return std::nullopt;
}

std::string ReadComparedFiles(CliOptions& options)
{
    for (ComparedFile& file : options.compared) {
        const ExperimentRead read = ReadExperimentFile(file.path, DefaultSettings(), WindowCheck::InFile);
        if (read.status == ExperimentStatus::Fault)
            return DescribeExperimentFault(file.path, read);
        // A file of zero bytes, as earlier versions saved, holds the defaults.
        file.settings = read.status == ExperimentStatus::Settings ? read.settings : DefaultSettings();
    }
    return {};
}

int RunComparedFiles(const CliOptions& options, const CSplineEngine& main, std::vector<ComparedRun>& runs,
                     std::ostream& err)
{
    runs.clear();
    auto engine = std::make_unique<CSplineEngine>();  // too large for the stack
    for (const ComparedFile& file : options.compared) {
        RunOnItsOwn(file.settings, options.dataPath.c_str(), *engine);
        if (engine->m_eFailure != RunFailure::None) {
            err << "--compare " << Quoted(file.path) << ": " << DescribeRunFailure(*engine) << "\n";
            return kExitFailed;
        }
        ComparedRun compared{file.path, KeptFromRun(file.settings, *engine)};
        if (!SamePoints(compared.run, main)) {
            err << "--compare " << Quoted(file.path) << ": its approximation is at "
                << PointsText(compared.run.x.size(), compared.run.x.data()) << ", this run's at "
                << PointsText(static_cast<std::size_t>(std::max(main.m_nResultCount, 0)), main.m_dX)
                << "; approximations are compared at the same points\n";
            return kExitBadInput;
        }
        std::string name = ShortName(file.settings, options.settings);
        for (const ComparedRun& earlier : runs)
            if (earlier.run.ownName == name)
                name.clear();
        compared.run.ownName = name.empty() || name == "same" ? FileName(file.path) : name;
        runs.push_back(std::move(compared));
    }
    return kExitDone;
}

}  // namespace spln::cli
