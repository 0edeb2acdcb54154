// The fit's degrees of freedom against the run's own response to one sample,
// and the cross-validation criterion where its answer is known.

#include "study/FitTrace.h"

#include "study/StudyFit.h"
#include "study/StudyRunner.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/study/StudyTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace spln;
using namespace spln::study;
using spln::test::FreshSettings;

namespace {

// The settings of a run on the sample file with given ends of value and slope 0.
CSplnSettings FileSettings(int method, int type, int count, int window, int board)
{
    CSplnSettings settings = FreshSettings();
    settings.m_nSource = 1;
    settings.m_nBoard = board;
    settings.m_nMethod = method;
    settings.m_nWindow = window;
    if (method == 0) {
        settings.m_nSchwarzType = type;
        settings.m_nSchwarzCount = count;
    } else {
        settings.m_nLsqType = type;
        settings.m_nLsqCount = count;
    }
    return settings;
}

std::string SampleFile(const std::vector<double>& values, const spln::test::TempDir& folder, const std::string& name)
{
    return folder.Write(name, spln::test::NumbersText(values));
}

}  // namespace

TEST(FitTrace, DiagonalIsTheRunsResponseToOneSample)
{
    struct Case {
        const char* what;
        int method;
        int type;  // as the settings dialog numbers it
        int count;
        int window;
        int board;
    };
    const Case cases[] = {
        {"gaussian", 0, 1, 51, 1, 0},
        {"cut gaussian", 0, 2, 101, 3, 0},
        {"rational", 0, 3, 15, 1, 0},
        {"logistic", 0, 4, 201, 2, 0},
        {"ends fitted", 0, 1, 31, 2, 1},
        {"least squares", 1, 5, 12, 4, 0},
        {"smoothed |u|, ends fitted", 1, 1, 9, 2, 1},
    };
    const int probes[] = {1, 137, 2250, 4300, 4499};
    const spln::test::TempDir folder;
    auto engine = spln::test::MakeEngine();
    for (const Case& c : cases) {
        const CSplnSettings settings = FileSettings(c.method, c.type, c.count, c.window, c.board);
        CopySettingsForRun(settings, *engine);
        const std::vector<double> diagonal = FitDiagonal(*engine, kFileSamples, c.board != 0);
        ASSERT_EQ(diagonal.size(), static_cast<size_t>(kFileSamples));
        for (int probe : probes) {
            std::vector<double> impulse(kFileSamples, 0.0);
            impulse[static_cast<size_t>(probe)] = 1.0;
            CopySettingsForRun(settings, *engine);
            spln::test::UseSampleFile(*engine, SampleFile(impulse, folder, "impulse.dat"));
            engine->m_nPoints = kFileSamples;
            engine->Run();
            ASSERT_EQ(engine->m_eFailure, RunFailure::None) << c.what;
            EXPECT_NEAR(engine->m_dApprox[probe], diagonal[static_cast<size_t>(probe)], 1e-9)
                << c.what << " at sample " << probe;
        }
    }

    // Fitting every sample of a short run directly, least squares spends about one degree a basis function.
    CSplnSettings direct = FreshSettings();
    direct.m_nMethod = 1;
    direct.m_nFileLength = 300;
    direct.m_nLsqCount = 20;
    CopySettingsForRun(direct, *engine);
    const double trace = FitTrace(*engine, 300, false);
    EXPECT_GT(trace, 18.0);
    EXPECT_LE(trace, 20.0 + 1e-9);
}

TEST(FitTrace, CriterionChoosesWhereTheAnswerIsKnown)
{
    // Pure noise about 0: the fit is all noise, so the widest window and the
    // fewest basis functions win. A smooth curve without noise: the fit only
    // gains from the narrowest window and the most splines.
    std::vector<double> noise;
    std::uint32_t state = 7;
    for (int i = 0; i < kFileSamples; ++i) {
        state = state * 1664525u + 1013904223u;
        noise.push_back(static_cast<double>(state >> 8) / 16777216.0 - 0.5);
    }
    std::vector<double> smooth;
    for (int i = 0; i < kFileSamples; ++i)
        smooth.push_back(std::sin(5.0 * (-1.0 + i / 2250.0)));
    const spln::test::TempDir folder;
    const std::string noiseFile = SampleFile(noise, folder, "noise.dat");
    const std::string smoothFile = SampleFile(smooth, folder, "smooth.dat");
    struct Case {
        const char* what;
        const std::string& file;
        int method;
        SweepRange range;
        int chosen;
    };
    const Case cases[] = {
        {"noise, window", noiseFile, 0, {kSettingWindow, 1, 400, Spacing::Log, 1, 12}, 400},
        {"noise, least squares", noiseFile, 1, {kSettingLsqCount, 5, 51, Spacing::Step, 2, 0}, 5},
        {"smooth, window", smoothFile, 0, {kSettingWindow, 1, 400, Spacing::Log, 1, 12}, 1},
        {"smooth, splines", smoothFile, 0, {kSettingSchwarzCount, 15, 401, Spacing::Log, 1, 12}, 401},
    };
    for (const Case& c : cases) {
        StudyPlan plan;
        plan.kind = StudyKind::Select;
        plan.sweep = c.range;
        plan.dataPath = c.file;
        const StudyResult result = RunStudy(plan, FileSettings(c.method, c.method ? 5 : 1, 20, 1, 1), nullptr, 2);
        ASSERT_TRUE(result.failure.empty()) << result.failure;
        ASSERT_EQ(result.rows.size(), SweepValues(c.range).size()) << c.what;
        const std::optional<size_t> chosen = ChosenRow(result.rows);
        ASSERT_TRUE(chosen.has_value()) << c.what;
        EXPECT_EQ(result.rows[*chosen].value, c.chosen) << c.what;
        EXPECT_FALSE(HasErrors(result));
    }

    // A file that cannot be read stops the selection with the run's own message.
    StudyPlan missing;
    missing.kind = StudyKind::Select;
    missing.dataPath = folder.Path() + "/missing.dat";
    const StudyResult failed = RunStudy(missing, FileSettings(0, 1, 51, 1, 1));
    EXPECT_TRUE(failed.rows.empty());
    EXPECT_NE(failed.failure.find("missing.dat"), std::string::npos) << failed.failure;

    EXPECT_DOUBLE_EQ(GcvScore(2.0, 10.0, 110), 110 * 2.0 / (100.0 * 100.0));
    EXPECT_TRUE(std::isinf(GcvScore(1.0, 110.0, 110)));
}
