// The built-in functions and the sample file as the data of a selection.

#include "study/SampleSource.h"

#include "engine/Abscissae.h"
#include "engine/BoundedText.h"
#include "engine/DataFile.h"
#include "engine/Noise.h"
#include "engine/RunFailure.h"
#include "engine/SampleFile.h"

#include <algorithm>

namespace spln::study {
namespace {

// A built-in function or a typed formula with its noise: the exact function is known.
class BuiltInSource : public SampleSource {
public:
    void Prepare(CSplineEngine&) const override {}

    bool Read(CSplineEngine& engine, std::uint32_t noiseState, SampleData& data, std::string& failure) const override
    {
        const int n = engine.m_nSamples;
        const double h = engine.m_dHalfWidth;
        const bool formula = engine.m_nSource == kSourceFormula;
        if (formula && engine.m_nFunctionSamples != n) {
            failure = "the formula has no finite value at every sample";
            return false;
        }
        std::vector<double> x(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            x[static_cast<size_t>(i)] = SampleAbscissa(h, n, i);
        // The run draws its samples' noise first, so the same state gives the same samples.
        NoiseSequence noise(noiseState);
        NoiseSequence* const shared = engine.m_pNoise;
        engine.m_pNoise = &noise;
        data.values.resize(static_cast<size_t>(n));
        if (formula) {
            std::copy_n(engine.m_dFunctionSamples, n, data.values.begin());
            engine.DetrendWithNoise(x.data(), data.values.data(), n);
        } else {
            engine.NoisySamples(x.data(), data.values.data(), n);
        }
        engine.m_pNoise = shared;
        // The noisy samples are taken off the trend line; the data are the function's.
        for (size_t i = 0; i < x.size(); ++i)
            data.values[i] = data.values[i] + engine.TrendLine(x[i]);
        data.endsFitted = false;
        return true;
    }

    bool HasExactFunction() const override { return true; }
};

// The numbers of the data file, divided by their largest magnitude.
class SampleFileSource : public SampleSource {
public:
    explicit SampleFileSource(std::string path) : m_path(std::move(path)) {}

    void Prepare(CSplineEngine& engine) const override
    {
        CopyBoundedText(engine.m_szDataPath, kPathSize, m_path.c_str());
    }

    bool Read(CSplineEngine& engine, std::uint32_t, SampleData& data, std::string& failure) const override
    {
        // A run reads the file as every later run will, and words what is wrong with it.
        Prepare(engine);
        engine.Run();
        if (engine.m_eFailure != RunFailure::None) {
            failure = DescribeRunFailure(engine);
            return false;
        }
        std::vector<char> path(static_cast<size_t>(kPathSize));
        ResolveSampleFilePath(engine.m_szDataPath, path.data(), kPathSize);
        std::vector<float> numbers(static_cast<size_t>(kFileBufferSize));
        std::vector<double> x(static_cast<size_t>(kMaxDataSamples + 1));
        std::vector<int> lines(x.size()), columns(x.size());
        const DataFileReading reading = ReadDataFile(
            path.data(), {numbers.data(), x.data(), lines.data(), columns.data()}, engine.m_nResample != 0);
        if (reading.failure != RunFailure::None || reading.samples != engine.m_dataShown.samples ||
            !NormaliseByLargestMagnitude(numbers.data(), reading.samples)) {
            failure = "the sample file \"" + std::string(path.data()) + "\" changed while it was read";
            return false;
        }
        data.values.assign(numbers.begin(), numbers.begin() + reading.samples);
        data.endsFitted = engine.m_nBoard != 0;
        return true;
    }

    bool HasExactFunction() const override { return false; }

private:
    std::string m_path;
};

}  // namespace

std::unique_ptr<SampleSource> MakeSampleSource(const CSplnSettings& base, const std::string& dataPath)
{
    if (base.m_nSource != kSourceFile)
        return std::make_unique<BuiltInSource>();
    return std::make_unique<SampleFileSource>(dataPath);
}

}  // namespace spln::study
