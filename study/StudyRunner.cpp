// Runs the engine once for each run of a study, over threads, and collects the errors.

#include "study/StudyRunner.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "engine/RunFailure.h"

namespace spln::study {
namespace {

// One run of the study: its settings, row label and where its noise starts.
struct RunItem {
    CSplnSettings settings;
    int value;
    std::uint32_t noiseState;
};

std::vector<RunItem> PlanItems(const StudyPlan& plan, const CSplnSettings& base)
{
    std::vector<RunItem> items;
    if (plan.kind == StudyKind::Repeat) {
        for (int run = 1; run <= plan.repeat; ++run)
            items.push_back({base, run, 0});
    } else {
        for (int value : SweepValues(plan))
            items.push_back({SettingsForValue(base, plan.setting, value), value, 0});
    }
    // Each run starts where the one before it leaves the sequence, so the
    // runs may go in any order or in parallel and still draw what one
    // sequential pass would.
    auto engine = std::make_unique<CSplineEngine>();
    NoiseSequence sequence(plan.seed);
    for (RunItem& item : items) {
        item.noiseState = sequence.State();
        CopySettingsForRun(item.settings, *engine);
        sequence.Skip(static_cast<std::uint64_t>(engine->NoiseDrawsPerRun()));
    }
    return items;
}

struct SharedWork {
    const std::vector<RunItem>& items;
    std::vector<StudyRow>& rows;
    std::vector<char>& finished;
    std::vector<std::string>& failures;
    StudyProgress& progress;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
};

void RunItems(SharedWork& work)
{
    using Clock = std::chrono::steady_clock;
    auto engine = std::make_unique<CSplineEngine>();  // too large for a thread's stack
    NoiseSequence noise;
    engine->m_pNoise = &noise;
    const int count = static_cast<int>(work.items.size());
    while (!work.progress.cancel.load() && !work.failed.load()) {
        const int index = work.next.fetch_add(1);
        if (index >= count)
            return;
        const RunItem& item = work.items[static_cast<size_t>(index)];
        CopySettingsForRun(item.settings, *engine);
        noise.Reset(item.noiseState);
        const Clock::time_point start = Clock::now();
        engine->Run();
        const Clock::time_point stop = Clock::now();
        if (engine->m_eFailure != RunFailure::None) {
            work.failures[static_cast<size_t>(index)] = DescribeRunFailure(*engine);
            work.failed.store(true);
            return;
        }
        StudyRow& row = work.rows[static_cast<size_t>(index)];
        row.value = item.value;
        row.leftError = engine->m_dLeftError;
        row.interiorError = engine->m_dInteriorError;
        row.rightError = engine->m_dRightError;
        row.milliseconds = std::chrono::duration<double, std::milli>(stop - start).count();
        work.finished[static_cast<size_t>(index)] = 1;
        work.progress.done.fetch_add(1);
    }
}

}  // namespace

int PlannedRuns(const StudyPlan& plan)
{
    return plan.kind == StudyKind::Repeat ? plan.repeat : static_cast<int>(SweepValues(plan).size());
}

StudyResult RunStudy(const StudyPlan& plan, const CSplnSettings& base, StudyProgress* progress, int threads)
{
    StudyResult result;
    result.plan = plan;
    result.base = base;
    const std::vector<RunItem> items = PlanItems(plan, base);
    result.planned = static_cast<int>(items.size());

    StudyProgress ownProgress;
    StudyProgress& watched = progress ? *progress : ownProgress;
    std::vector<StudyRow> rows(items.size());
    std::vector<char> finished(items.size(), 0);
    std::vector<std::string> failures(items.size());
    SharedWork work{items, rows, finished, failures, watched};

    if (threads <= 0)
        threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::min(threads, std::max(1, result.planned));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(RunItems, std::ref(work));
    RunItems(work);
    for (std::thread& helper : helpers)
        helper.join();

    for (size_t i = 0; i < items.size(); ++i) {
        if (finished[i])
            result.rows.push_back(rows[i]);
        else if (result.failure.empty() && !failures[i].empty())
            result.failure = failures[i];
    }
    result.cancelled =
        watched.cancel.load() && result.failure.empty() && static_cast<int>(result.rows.size()) < result.planned;
    return result;
}

}  // namespace spln::study
