// The document's own formulas against the engine's.

#include "engine/CSplineEngine.h"
#include "model/DocFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace doc = spln::doc;

namespace {

TEST(DocFunctions, GiveTheSameBitsAsTheEnginesExampleFunctions)
{
    auto engine = std::make_unique<CSplineEngine>();
    engine->m_nSource = 0;
    for (int index = 0; index < doc::kFunctionCount; ++index) {
        engine->m_nExample = index + 1;
        // The view's abscissae, and a fine sweep past both ends and through 0.
        double x = -1.0;
        for (int i = 0; i < 640; ++i, x = x + 2.0 / 639) {
            const double mine = doc::Evaluate(index, x);
            const double engines = engine->ExampleFunction(x);
            ASSERT_EQ(std::memcmp(&mine, &engines, sizeof mine), 0) << "function " << index << " at " << x;
        }
        for (double s = -1.3; s <= 1.3; s += 0.0001) {
            const double mine = doc::Evaluate(index, s);
            const double engines = engine->ExampleFunction(s);
            ASSERT_EQ(std::memcmp(&mine, &engines, sizeof mine), 0) << "function " << index << " at " << s;
        }
    }
}

TEST(DocFunctions, ValuesAtTheirSpecialPoints)
{
    EXPECT_EQ(doc::ExpSumMinusTwo(0.0), 0.0);
    EXPECT_EQ(doc::CosOfSine(1.0), std::cos(4.7));
    EXPECT_EQ(doc::CosOfSine(-1.0), std::cos(-4.7));
    EXPECT_EQ(doc::SignedQuartic(0.0), 0.0);
    EXPECT_LT(doc::SignedQuartic(-0.5), 0.0);
    EXPECT_EQ(doc::Footstep(0.5), 1.0);
    EXPECT_EQ(doc::Footstep(-0.5), 1.0);
    EXPECT_EQ(doc::Footstep(std::nextafter(0.5, 1.0)), 0.0);
    EXPECT_EQ(doc::Footstep(std::nextafter(-0.5, -1.0)), 0.0);
    EXPECT_EQ(doc::ExpOfFastSine(1.0 / 32.0), 1.0);                 // sin(pi/2) = 1: the maximum
    EXPECT_NEAR(doc::ExpOfSine(1.0 / 16.0), std::exp(2.0), 1e-12);  // 3 sin - 1, not 3 (sin - 1)
    EXPECT_LT(doc::ThreeShiftedBumps(0.75), 0.0);                   // the shifted bumps are subtracted
    EXPECT_EQ(doc::Evaluate(-1, 0.3), 0.0);
    EXPECT_EQ(doc::Evaluate(11, 0.3), 0.0);
}

TEST(DocFunctions, CaptionsAreTheExactTexts)
{
    EXPECT_STREQ(doc::Caption(0), "Y(x)=Exp(x)+Exp(-x)-2.0");
    EXPECT_STREQ(doc::Caption(6), "Footstep");
    EXPECT_STREQ(doc::Caption(7), "Y(x)=Exp(3*(Sin(8*pi*x)-1)");
    EXPECT_STREQ(doc::Caption(8), "Sum of three shifted functions Y(x) = 1/(1+500*x*x)");
    EXPECT_STREQ(doc::Caption(10), "Y(x)=Exp(5*(Sin(16*pi*x)-1))");
    EXPECT_STREQ(doc::Caption(11), "");
}

}  // namespace
