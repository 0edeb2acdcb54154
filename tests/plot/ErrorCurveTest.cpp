// The error curve of real runs and the places of the report's errors.

#include "engine/CSplineEngine.h"
#include "plot/ErrorCurve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

using namespace spln;

namespace {

struct RunCase {
    const char* what;
    int source;
    int example;
    int method;
    double amplitude;
};

std::unique_ptr<CSplineEngine> RunOf(const RunCase& run)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nSource = run.source;
    engine->m_nExample = run.example;
    engine->m_nMethod = run.method;
    engine->m_dAmplitude = run.amplitude;
    engine->Run();
    return engine;
}

const RunCase kRuns[] = {
    {"footstep, projection", 0, 7, 1, 0.0},
    {"peak, least squares", 0, 3, 2, 0.0},
    {"noisy sine, projection", 0, 1, 1, 0.1},
};

}  // namespace

TEST(ErrorCurve, SignedAndLogCurvesFollowTheResultsBitForBit)
{
    for (const RunCase& run : kRuns) {
        SCOPED_TRACE(run.what);
        const auto engine = RunOf(run);
        ASSERT_EQ(engine->m_eFailure, RunFailure::None);
        const std::vector<double> error = ErrorValues(*engine, false, ErrorPanelMode::Signed);
        const std::vector<double> log = ErrorValues(*engine, false, ErrorPanelMode::Log);
        ASSERT_EQ(error.size(), static_cast<std::size_t>(engine->m_nResultCount));
        for (std::size_t i = 0; i < error.size(); ++i) {
            EXPECT_EQ(error[i], engine->m_dApprox[i] - engine->m_dExact[i]) << i;
            if (error[i] != 0.0) {
                EXPECT_EQ(log[i], std::log10(std::fabs(error[i]))) << i;
            }
            EXPECT_TRUE(std::isfinite(log[i])) << i;
        }
        // The sample file has no exact function: the error is taken against the data.
        const std::vector<double> fromData = ErrorValues(*engine, true, ErrorPanelMode::Signed);
        EXPECT_EQ(fromData[5], engine->m_dApprox[5] - engine->m_dData[5]);
    }
}

TEST(ErrorCurve, AZeroErrorIsHeldAtTheSmallestOneOnTheLogScale)
{
    CSplineEngine engine;
    engine.m_nResultCount = 3;
    const double approx[] = {1.0, 2.0, 3.0};
    const double exact[] = {1.0, 2.01, 2.0};
    std::memcpy(engine.m_dApprox, approx, sizeof approx);
    std::memcpy(engine.m_dExact, exact, sizeof exact);
    const std::vector<double> log = ErrorValues(engine, false, ErrorPanelMode::Log);
    EXPECT_EQ(log[0], log[1]);
    EXPECT_EQ(log[2], 0.0);

    std::memcpy(engine.m_dExact, approx, sizeof approx);
    for (const double value : ErrorValues(engine, false, ErrorPanelMode::Log))
        EXPECT_EQ(value, -300.0) << "no error at all still draws a finite curve";
}

TEST(ErrorCurve, MarkedPlacesAreWhereTheReportTakesItsErrors)
{
    for (const RunCase& run : kRuns) {
        SCOPED_TRACE(run.what);
        const auto engine = RunOf(run);
        const auto [left, interior, right] = ReportErrorPlaces(*engine);
        const auto at = [&engine](int k) {
            return std::fabs(engine->m_dApprox[k] - engine->m_dExact[k]);
        };
        EXPECT_EQ(left, 0);
        EXPECT_EQ(right, engine->m_nResultCount - 1);
        EXPECT_EQ(at(left), engine->m_dLeftError);
        EXPECT_EQ(at(interior), engine->m_dInteriorError);
        EXPECT_EQ(at(right), engine->m_dRightError);
        EXPECT_GE(interior, 6);
        EXPECT_LE(interior, engine->m_nResultCount - 6);
    }
}
