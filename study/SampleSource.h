#pragma once

// Where a selection's data come from: the samples a run fits, and whether the
// source has an exact function to measure the error against. The built-in
// functions and the sample file are the sources today; another kind of data
// is one more implementation of SampleSource and one more case of
// MakeSampleSource.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/SettingsRecord.h"

namespace spln::study {

struct SampleData {
    std::vector<double> values;  // the data at the run's N sample abscissae -h + i 2h/(N-1)
    bool endsFitted = false;     // the boundary cubic is fitted to the first and last samples
};

class SampleSource {
public:
    virtual ~SampleSource() = default;

    // Points an engine that holds a run's settings at the source.
    virtual void Prepare(CSplineEngine& engine) const = 0;

    // The data a run with the engine's settings fits, its noise drawn from
    // noiseState on. False with the run's own message in failure when they
    // cannot be had (a missing or malformed sample file).
    virtual bool Read(CSplineEngine& engine, std::uint32_t noiseState, SampleData& data,
                      std::string& failure) const = 0;

    // True when the runs measure their errors against an exact function.
    virtual bool HasExactFunction() const = 0;
};

// The source the base settings choose; dataPath names the sample file (empty: sig.dat here).
std::unique_ptr<SampleSource> MakeSampleSource(const CSplnSettings& base, const std::string& dataPath);

}  // namespace spln::study
