#pragma once

// Runs a study: one engine run for each swept value, pair of values or
// repeat (a selection adds the fit at the samples and its criterion), spread
// over threads, each with an engine of its own, and collects the three errors
// and the time of each row. Toolkit-free; the caller may watch the progress
// and cancel from another thread.

#include <atomic>
#include <string>
#include <vector>

#include "study/StudyPlan.h"

namespace spln::study {

struct StudyRow {
    int value = 0;  // the swept value (a grid's first), or the run number 1..K of a repeat
    double leftError = 0.0;
    double interiorError = 0.0;
    double rightError = 0.0;
    double milliseconds = 0.0;  // wall time of the row's runs
    int across = 0;             // a grid's second value
    double criterion = 0.0;     // a selection's generalized cross-validation score
    double freedom = 0.0;       // a selection's degrees of freedom: the trace of its fit
};

// Shared between the thread that runs a study and one that watches it.
struct StudyProgress {
    std::atomic<bool> cancel{false};  // set to stop after the runs under way
    std::atomic<int> done{0};         // rows finished so far
};

struct StudyResult {
    StudyPlan plan;
    CSplnSettings base;
    int planned = 0;             // rows the plan asked for
    std::vector<StudyRow> rows;  // the finished rows, in plan order
    bool cancelled = false;      // stopped early on request; rows holds the runs done
    std::string failure;         // a run that could not finish, else empty
};

// Number of rows of the plan.
int PlannedRuns(const StudyPlan& plan);

// True when the rows carry errors measured against an exact function.
bool HasErrors(const StudyResult& result);

// Runs a plan that CheckPlan accepted. Every run draws its noise from the
// study's own sequence, started at plan.seed and going on from run to run in
// plan order, as successive runs of the program would; a selection fits the
// same data at every value, so each of its runs starts at plan.seed. The
// process-wide sequence is left alone. The rows do not depend on the number
// of threads (0: one per core). Cancel is looked at between rows.
StudyResult RunStudy(const StudyPlan& plan, const CSplnSettings& base, StudyProgress* progress = nullptr,
                     int threads = 0);

}  // namespace spln::study
