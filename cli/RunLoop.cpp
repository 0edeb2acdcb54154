// Prepares the engine from the options and runs it the requested number of times.

#include "cli/RunLoop.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "engine/CSplineEngine.h"
#include "model/SplnSettings.h"

namespace spln::cli {

void PrepareEngine(CSplineEngine& engine, const CliOptions& options)
{
    CopySettingsForRun(options.settings, engine);
    // The parser refuses longer paths; cut anyway rather than overrun.
    const size_t length = std::min(options.dataPath.size(), sizeof engine.m_szDataPath - 1);
    std::memcpy(engine.m_szDataPath, options.dataPath.data(), length);
    engine.m_szDataPath[length] = '\0';
}

bool RunRepeatedly(CSplineEngine& engine, int repeat, std::vector<double>& milliseconds)
{
    using Clock = std::chrono::steady_clock;
    milliseconds.assign(static_cast<size_t>(repeat), 0.0);
    for (int run = 0; run < repeat; ++run) {
        const Clock::time_point start = Clock::now();
        engine.Run();
        const Clock::time_point stop = Clock::now();
        milliseconds[static_cast<size_t>(run)] = std::chrono::duration<double, std::milli>(stop - start).count();
        if (engine.m_eFailure != spln::RunFailure::None) {
            milliseconds.resize(static_cast<size_t>(run) + 1);
            return false;
        }
    }
    return true;
}

TimingSummary SummariseTimes(std::vector<double> milliseconds)
{
    TimingSummary summary;
    summary.runs = static_cast<int>(milliseconds.size());
    if (milliseconds.empty())
        return summary;
    std::sort(milliseconds.begin(), milliseconds.end());
    const size_t middle = milliseconds.size() / 2;
    summary.median =
        milliseconds.size() % 2 ? milliseconds[middle] : (milliseconds[middle - 1] + milliseconds[middle]) / 2.0;
    summary.min = milliseconds.front();
    return summary;
}

std::string FormatTimingLine(const TimingSummary& summary)
{
    char line[128];
    std::snprintf(line, sizeof line, "run time: median %.3f ms, min %.3f ms over %d runs\n", summary.median,
                  summary.min, summary.runs);
    return line;
}

}  // namespace spln::cli
