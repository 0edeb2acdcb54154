// Repeated runs, the engine they start from, and the timing summary.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cli/ArgumentParser.h"
#include "cli/RunLoop.h"
#include "engine/CSplineEngine.h"
#include "engine/Noise.h"

using namespace spln::cli;

namespace {

std::unique_ptr<CSplineEngine> EngineFor(const std::vector<std::string>& args)
{
    const ParseOutcome parsed = ParseArguments(args);
    EXPECT_TRUE(parsed.Accepted()) << parsed.error;
    auto engine = std::make_unique<CSplineEngine>();
    PrepareEngine(*engine, parsed.options);
    return engine;
}

}  // namespace

// The command line puts settings into its engine as the result view does,
// not as the document's engine keeps them.
TEST(PrepareEngine, CopiesAsTheViewDoesBeforeARun)
{
    EXPECT_EQ(EngineFor({"--schwarz-type", "1"})->m_nSchwarzType, 1);
    EXPECT_EQ(EngineFor({"--schwarz-type", "2"})->m_nSchwarzType, 2);
    EXPECT_EQ(EngineFor({"--schwarz-type", "3"})->m_nSchwarzType, 4);
    EXPECT_EQ(EngineFor({"--schwarz-type", "4"})->m_nSchwarzType, 3);
    EXPECT_EQ(EngineFor({"--method", "schwarz"})->m_nMethod, 1);
    EXPECT_EQ(EngineFor({"--method", "lsq"})->m_nMethod, 2);
    EXPECT_EQ(EngineFor({"--lsq-type", "3"})->m_nLsqType, 3);  // only the projection's types are exchanged

    const auto engine = EngineFor({"--samples", "2345", "--source", "file", "--board", "given", "--left-deriv", "4",
                                   "--left-margin", "9", "--data", "elsewhere/values.txt"});
    EXPECT_EQ(engine->m_nSamples, 2345);
    EXPECT_EQ(engine->m_nSource, 1);
    EXPECT_EQ(engine->m_nBoard, 0);
    EXPECT_EQ(engine->m_dLeftDeriv, 4.0);
    EXPECT_EQ(engine->m_nLeftMargin, 9);
    EXPECT_STREQ(engine->m_szDataPath, "elsewhere/values.txt");
    // Constants of the engine are not settings and stay as constructed.
    EXPECT_EQ(engine->m_dHalfWidth, 1.0);
    EXPECT_EQ(engine->m_nPoints, 640);
    EXPECT_EQ(engine->m_nMaxLsqSamples, 501);
}

TEST(PrepareEngine, NoDataFlagMeansTheDefaultSampleFile)
{
    EXPECT_STREQ(EngineFor({})->m_szDataPath, "");
}

// K runs in one process continue the noise like K repaints: the results are
// those of the K-th run of a sequence, not a repetition of the first.
TEST(RunRepeatedly, NoiseGoesOnFromRunToRun)
{
    const std::vector<std::string> args = {"--amplitude", "0.1", "--samples", "500", "--example", "3"};
    std::vector<double> times;

    spln::ResetNoise();
    auto repeated = EngineFor(args);
    ASSERT_TRUE(RunRepeatedly(*repeated, 3, times));
    EXPECT_EQ(times.size(), 3u);

    spln::ResetNoise();
    auto single = EngineFor(args);
    ASSERT_TRUE(RunRepeatedly(*single, 1, times));
    EXPECT_NE(std::memcmp(single->m_dData, repeated->m_dData, sizeof(double) * 640), 0);
    ASSERT_TRUE(RunRepeatedly(*single, 2, times));  // runs 2 and 3 of the sequence
    EXPECT_EQ(std::memcmp(single->m_dData, repeated->m_dData, sizeof(double) * 640), 0);
    EXPECT_EQ(std::memcmp(single->m_dApprox, repeated->m_dApprox, sizeof(double) * 640), 0);
    EXPECT_STREQ(single->m_szReport, repeated->m_szReport);
}

TEST(RunRepeatedly, StopsAtTheFirstRunThatCannotContinue)
{
    auto engine = EngineFor({"--source", "file", "--data", "/nonexistent-directory/sig.dat"});
    std::vector<double> times;
    EXPECT_FALSE(RunRepeatedly(*engine, 5, times));
    EXPECT_EQ(times.size(), 1u);
    EXPECT_EQ(engine->m_eFailure, spln::RunFailure::FileMissing);
}

TEST(TimingSummary, MedianOfOddAndEvenCountsAndMinimum)
{
    TimingSummary odd = SummariseTimes({5.0, 1.0, 3.0});
    EXPECT_EQ(odd.median, 3.0);
    EXPECT_EQ(odd.min, 1.0);
    EXPECT_EQ(odd.runs, 3);
    TimingSummary even = SummariseTimes({4.0, 1.0, 2.0, 10.0});
    EXPECT_EQ(even.median, 3.0);
    EXPECT_EQ(even.min, 1.0);
    TimingSummary one = SummariseTimes({2.5});
    EXPECT_EQ(one.median, 2.5);
    EXPECT_EQ(one.min, 2.5);
}

TEST(TimingSummary, LineFormat)
{
    EXPECT_EQ(FormatTimingLine({12.3456, 0.5, 7}), "run time: median 12.346 ms, min 0.500 ms over 7 runs\n");
}
