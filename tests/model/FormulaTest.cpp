// A typed formula as the signal: its refusals, its run against the built-in
// function it equals, and its way through experiment files.

#include "model/Formula.h"

#include "engine/CSplineEngine.h"
#include "engine/Noise.h"
#include "model/ExperimentFile.h"
#include "model/SettingsRecord.h"
#include "model/SplnSettings.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace spln {
namespace {

CSplnSettings FormulaSettings(const std::string& formula, int samples = kDefaultSamples)
{
    CSplnSettings settings = DefaultSettings();
    settings.m_nSource = kSourceFormula;
    settings.m_nFileLength = samples;
    SetSettingText(settings, kSettingFormula, formula);
    return settings;
}

TEST(Formula, RefusalsSayWhatAndWhere)
{
    const struct {
        std::string formula;
        int samples;
        const char* message;  // a part of the message; empty: accepted
    } cases[] = {
        {"sinn(x)", kDefaultSamples, "unknown name 'sinn' at position 1"},
        {"x + y", kDefaultSamples, "unknown name 'y' at position 5"},
        {"x+*2", kDefaultSamples, "unexpected operator \"*\" at position 3"},
        {"sin(x", kDefaultSamples, "missing parenthesis"},
        {"", kDefaultSamples, "Please enter a formula"},
        {"   ", kDefaultSamples, "Please enter a formula"},
        {"1/(x+1)", kDefaultSamples, "gives an infinity at x = -1."},
        {"sqrt(x)", kDefaultSamples, "gives NaN at x = -1."},
        // The first sample past zero of an even count is not zero, but 101 samples hit it.
        {"1/x", 10000, ""},
        {"1/x", 101, "gives an infinity at x = 0."},
        {"log(x - 0.5)", 200, "gives NaN at x = -1."},
        {"sin(5*x) + abs(x)^0.5", kDefaultSamples, ""},
        {"x > 0 ? 1 : 0", kDefaultSamples, ""},
    };
    for (const auto& c : cases) {
        const std::string problem = FormulaProblem(FormulaSettings(c.formula, c.samples));
        if (c.message[0] == '\0')
            EXPECT_EQ(problem, "") << c.formula;
        else
            EXPECT_NE(problem.find(c.message), std::string::npos) << c.formula << ": " << problem;
    }
    EXPECT_NE(FormulaTextProblem(std::string(1001, 'x')).find("at most 1000"), std::string::npos);
    // The text alone is checked whatever the source.
    CSplnSettings example = FormulaSettings("sinn(x)");
    example.m_nSource = kSourceExample;
    EXPECT_EQ(FormulaProblem(example), "");
}

// A formula equal to a built-in function runs as that function does, noise
// and all. The built-in functions carry their end slopes as rounded numbers
// (-2.35 for the first), the formula its own from a difference quotient, so
// their results differ by what the two slopes move the boundary cubic.
TEST(Formula, EqualsTheBuiltInFunctionItWrites)
{
    const struct {
        int example;
        const char* formula;
        double tolerance;
    } cases[] = {
        {6, "abs(x)", 0.0},
        {7, "abs(x) <= 0.5 ? 1 : 0", 0.0},
        {2, "cos(4.7*sin(x*_pi/2))", 1e-8},
        {1, "exp(x) + exp(-x) - 2", 1e-5},
    };
    for (const auto& c : cases) {
        for (const int method : {1, 2}) {
            auto builtIn = test::MakeEngine();
            auto typed = test::MakeEngine();
            CSplnSettings settings = FormulaSettings(c.formula, 2000);
            settings.m_nMethod = method - 1;
            settings.m_dAmplitude = 0.1;
            CopySettingsForRun(settings, *typed);
            settings.m_nSource = kSourceExample;
            settings.m_nExample = c.example;
            CopySettingsForRun(settings, *builtIn);
            NoiseSequence first(7), second(7);
            builtIn->m_pNoise = &first;
            typed->m_pNoise = &second;
            builtIn->Run();
            typed->Run();
            ASSERT_EQ(typed->m_eFailure, RunFailure::None) << c.formula;
            EXPECT_NEAR(typed->m_dLeftError, builtIn->m_dLeftError, c.tolerance) << c.formula;
            EXPECT_NEAR(typed->m_dInteriorError, builtIn->m_dInteriorError, c.tolerance) << c.formula;
            EXPECT_NEAR(typed->m_dRightError, builtIn->m_dRightError, c.tolerance) << c.formula;
            for (int k = 0; k < kOutputPoints; ++k) {
                ASSERT_NEAR(typed->m_dExact[k], builtIn->m_dExact[k], 1e-12) << c.formula << " at " << k;
                ASSERT_NEAR(typed->m_dData[k], builtIn->m_dData[k], 1e-12) << c.formula << " at " << k;
            }
            if (c.tolerance == 0.0) {
                EXPECT_STREQ(typed->m_szReport, builtIn->m_szReport) << c.formula;
            }
        }
    }
}

// A table made for other samples is never read: the run is refused and the
// earlier results stay.
TEST(Formula, RunWithoutItsTableIsRefused)
{
    auto engine = test::MakeEngine();
    CopySettingsForRun(FormulaSettings("x*x", 500), *engine);
    engine->Run();
    ASSERT_EQ(engine->m_eFailure, RunFailure::None);
    const double error = engine->m_dInteriorError;
    engine->m_nSamples = 600;
    engine->Run();
    EXPECT_EQ(engine->m_eFailure, RunFailure::NoFunctionTable);
    EXPECT_EQ(engine->m_dInteriorError, error);
}

TEST(Formula, TravelsThroughExperimentFiles)
{
    const CSplnSettings settings = FormulaSettings("sin(20*x) + abs(x)^0.5");
    const std::string text = FormatExperiment(settings);
    EXPECT_NE(text.find("\nsource = formula\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nformula = \"sin(20*x) + abs(x)^0.5\"\n"), std::string::npos) << text;
    const ExperimentRead read = ParseExperiment(text, DefaultSettings());
    ASSERT_EQ(read.status, ExperimentStatus::Settings) << read.message;
    EXPECT_TRUE(SameSettings(read.settings, settings));

    // Unquoted text reads as well; a formula that cannot run is blamed on its line.
    const ExperimentRead bare = ParseExperiment("Spln experiment 1\nsource = formula\nformula = x^3\n", {});
    ASSERT_EQ(bare.status, ExperimentStatus::Settings) << bare.message;
    EXPECT_EQ(GetSettingText(bare.settings, kSettingFormula), "x^3");
    const ExperimentRead bad = ParseExperiment("Spln experiment 1\nformula = \"sinn(x)\"\nsource = formula\n", {});
    EXPECT_EQ(bad.status, ExperimentStatus::Fault);
    EXPECT_EQ(bad.line, 2);
    EXPECT_NE(bad.message.find("unknown name 'sinn'"), std::string::npos) << bad.message;
    const ExperimentRead tooLong =
        ParseExperiment("Spln experiment 1\nformula = \"" + std::string(1001, 'x') + "\"\n", {});
    EXPECT_EQ(tooLong.status, ExperimentStatus::Fault);
    EXPECT_EQ(tooLong.line, 2);
}

}  // namespace
}  // namespace spln
