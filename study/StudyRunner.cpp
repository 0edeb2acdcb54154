// Runs the engine for each row of a study, over threads, and collects the errors.

#include "study/StudyRunner.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "engine/RunFailure.h"
#include "study/FitTrace.h"
#include "study/SampleSource.h"

namespace spln::study {
namespace {

// One row of the study: its settings, labels and where its noise starts.
struct RunItem {
    CSplnSettings settings;
    int value;
    int across;
    std::uint32_t noiseState;
};

std::vector<RunItem> PlanItems(const StudyPlan& plan, const CSplnSettings& base)
{
    std::vector<RunItem> items;
    switch (plan.kind) {
    case StudyKind::Repeat:
        for (int run = 1; run <= plan.repeat; ++run)
            items.push_back({base, run, 0, 0});
        break;
    case StudyKind::Grid:
        for (int value : SweepValues(plan.sweep)) {
            const CSplnSettings row = SettingsForValue(base, plan.sweep.setting, value);
            for (int across : SweepValues(plan.across))
                items.push_back({SettingsForValue(row, plan.across.setting, across), value, across, 0});
        }
        break;
    case StudyKind::Sweep:
    case StudyKind::Select:
        for (int value : SweepValues(plan.sweep))
            items.push_back({SettingsForValue(base, plan.sweep.setting, value), value, 0, 0});
        break;
    }
    // A selection fits the same data at every value.
    if (plan.kind == StudyKind::Select) {
        for (RunItem& item : items)
            item.noiseState = plan.seed;
        return items;
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

// What a selection's rows share: the source and the data every value fits.
struct Selection {
    std::unique_ptr<SampleSource> source;
    SampleData data;
    bool exact = false;
};

struct SharedWork {
    const std::vector<RunItem>& items;
    const Selection* selection;  // null unless the study is a selection
    std::vector<StudyRow>& rows;
    std::vector<char>& finished;
    std::vector<std::string>& failures;
    StudyProgress& progress;
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
};

// One run of the item's settings on the engine; false when it failed.
bool RunOnce(const RunItem& item, const Selection* selection, CSplineEngine& engine, NoiseSequence& noise, int points)
{
    CopySettingsForRun(item.settings, engine);
    if (selection)
        selection->source->Prepare(engine);
    engine.m_nPoints = points;
    noise.Reset(item.noiseState);
    engine.Run();
    return engine.m_eFailure == RunFailure::None;
}

// The fit at the samples themselves, its residual and its degrees of freedom.
bool JudgeFit(const RunItem& item, const Selection& selection, CSplineEngine& engine, NoiseSequence& noise,
              StudyRow& row)
{
    const std::vector<double>& data = selection.data.values;
    const int samples = static_cast<int>(data.size());
    if (!RunOnce(item, &selection, engine, noise, samples))
        return false;
    double squares = 0.0;
    for (int i = 0; i < samples; ++i) {
        const double residual = data[static_cast<size_t>(i)] - engine.m_dApprox[i];
        squares = squares + residual * residual;
    }
    row.freedom = FitTrace(engine, samples, selection.data.endsFitted);
    row.criterion = GcvScore(squares, row.freedom, samples);
    return true;
}

bool RunRow(const RunItem& item, const Selection* selection, CSplineEngine& engine, NoiseSequence& noise, StudyRow& row)
{
    row.value = item.value;
    row.across = item.across;
    if (selection && !JudgeFit(item, *selection, engine, noise, row))
        return false;
    if (selection && !selection->exact)
        return true;
    if (!RunOnce(item, selection, engine, noise, kOutputPoints))
        return false;
    row.leftError = engine.m_dLeftError;
    row.interiorError = engine.m_dInteriorError;
    row.rightError = engine.m_dRightError;
    return true;
}

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
        const size_t at = static_cast<size_t>(index);
        StudyRow& row = work.rows[at];
        const Clock::time_point start = Clock::now();
        if (!RunRow(work.items[at], work.selection, *engine, noise, row)) {
            work.failures[at] = DescribeRunFailure(*engine);
            work.failed.store(true);
            return;
        }
        row.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        work.finished[at] = 1;
        work.progress.done.fetch_add(1);
    }
}

}  // namespace

int PlannedRuns(const StudyPlan& plan)
{
    switch (plan.kind) {
    case StudyKind::Repeat:
        return plan.repeat;
    case StudyKind::Grid:
        return static_cast<int>(SweepValues(plan.sweep).size() * SweepValues(plan.across).size());
    case StudyKind::Sweep:
    case StudyKind::Select:
        break;
    }
    return static_cast<int>(SweepValues(plan.sweep).size());
}

bool HasErrors(const StudyResult& result)
{
    return result.plan.kind != StudyKind::Select || HasExactFunction(result.base);
}

StudyResult RunStudy(const StudyPlan& plan, const CSplnSettings& base, StudyProgress* progress, int threads)
{
    StudyResult result;
    result.plan = plan;
    result.base = base;
    const std::vector<RunItem> items = PlanItems(plan, base);
    result.planned = static_cast<int>(items.size());

    std::unique_ptr<Selection> selection;
    if (plan.kind == StudyKind::Select && !items.empty()) {
        selection = std::make_unique<Selection>();
        selection->source = MakeSampleSource(base, plan.dataPath);
        selection->exact = selection->source->HasExactFunction();
        auto engine = std::make_unique<CSplineEngine>();
        CopySettingsForRun(items.front().settings, *engine);
        selection->source->Prepare(*engine);
        if (!selection->source->Read(*engine, plan.seed, selection->data, result.failure))
            return result;
    }

    StudyProgress ownProgress;
    StudyProgress& watched = progress ? *progress : ownProgress;
    std::vector<StudyRow> rows(items.size());
    std::vector<char> finished(items.size(), 0);
    std::vector<std::string> failures(items.size());
    SharedWork work{items, selection.get(), rows, finished, failures, watched};

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
