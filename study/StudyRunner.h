#pragma once

// Runs a study: one engine run for each swept value or repeat, spread over
// threads, each with an engine of its own, and collects the three errors and
// the run time of each. Toolkit-free; the caller may watch the progress and
// cancel from another thread.

#include <atomic>
#include <string>
#include <vector>

#include "study/StudyPlan.h"

namespace spln::study {

struct StudyRow {
    int value = 0;  // the swept value, or the run number 1..K of a repeat
    double leftError = 0.0;
    double interiorError = 0.0;
    double rightError = 0.0;
    double milliseconds = 0.0;  // wall time of the run
};

// Shared between the thread that runs a study and one that watches it.
struct StudyProgress {
    std::atomic<bool> cancel{false};  // set to stop after the runs under way
    std::atomic<int> done{0};         // runs finished so far
};

struct StudyResult {
    StudyPlan plan;
    CSplnSettings base;
    int planned = 0;             // runs the plan asked for
    std::vector<StudyRow> rows;  // the finished runs, in plan order
    bool cancelled = false;      // stopped early on request; rows holds the runs done
    std::string failure;         // a run that could not finish, else empty
};

// Number of runs of the plan.
int PlannedRuns(const StudyPlan& plan);

// Runs a plan that CheckPlan accepted. Every run draws its noise from the
// study's own sequence, started at plan.seed and going on from run to run in
// plan order, as successive runs of the program would; the process-wide
// sequence is left alone. The rows do not depend on the number of threads
// (0: one per core). Cancel is looked at between runs.
StudyResult RunStudy(const StudyPlan& plan, const CSplnSettings& base, StudyProgress* progress = nullptr,
                     int threads = 0);

}  // namespace spln::study
