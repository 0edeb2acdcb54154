// Elementary functions, the kernels, their antiderivatives and the integrated kernels.

#include "engine/Kernels.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace spln;

TEST(ElementaryFunctions, SignIsThreeValued)
{
    EXPECT_EQ(Sign(-2.5), -1.0);
    EXPECT_EQ(Sign(1e-300), 1.0);
    EXPECT_EQ(Sign(0.0), 0.0);
    EXPECT_EQ(Sign(-0.0), 0.0);
}

TEST(ElementaryFunctions, IntPowerMultipliesRepeatedly)
{
    EXPECT_EQ(IntPower(0, 0.0), 1.0);
    EXPECT_EQ(IntPower(-3, 5.0), 1.0);
    EXPECT_EQ(IntPower(3, -2.0), -8.0);
    const double x = 0.1;
    EXPECT_EQ(IntPower(3, x), x * x * x);
}

TEST(ElementaryFunctions, StudentNormConstants)
{
    EXPECT_EQ(StudentNorm(0), 0.3183098861837907);
    EXPECT_DOUBLE_EQ(StudentNorm(1), 0.3675525969478614);
    EXPECT_NEAR(StudentNorm(1), 2.0 / (M_PI * std::sqrt(3.0)), 1e-15);
}

TEST(ElementaryFunctions, ExponentialsAreCutOffBeyondOneHundred)
{
    EXPECT_EQ(ExpNeg(100.0), std::exp(-100.0));
    EXPECT_EQ(ExpNeg(100.0000001), 0.0);
    EXPECT_EQ(ExpNegSquare(10.0), std::exp(-100.0));
    EXPECT_EQ(ExpNegSquare(-10.0000001), 0.0);
    EXPECT_EQ(ExpNegSquare(0.0), 1.0);
}

TEST(ErrorFunction, ValuesAndSymmetry)
{
    EXPECT_EQ(Erf(0.0), 0.0);
    EXPECT_FALSE(std::signbit(Erf(-0.0)));
    EXPECT_EQ(Erf(11.0), 1.0);
    EXPECT_EQ(Erf(-11.0), -1.0);
    EXPECT_NEAR(Erf(1.0), 0.8427006897, 1e-10);
    EXPECT_LT(Erf(1.0), std::erf(1.0));
    EXPECT_NEAR(Erf(1.0), std::erf(1.0), 2e-7);
    for (double x : {0.001, 0.3, 1.7, 4.2})
        EXPECT_EQ(Erf(-x), -Erf(x)) << x;
}

TEST(ErrorFunction, IntegralAtZeroAndFarOut)
{
    EXPECT_DOUBLE_EQ(ErfIntegral(0.0), 0.5641895835477563);
    // Far out the antiderivative of Erf is |x| exactly: Erf is +-1 and the exponential cut off.
    EXPECT_EQ(ErfIntegral(12.0), 12.0);
    EXPECT_EQ(ErfIntegral(-12.0), 12.0);
}

TEST(KernelValues, AtZero)
{
    EXPECT_EQ(Kernel(1, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(Kernel(2, 0.0), 1.6597940817967272);
    EXPECT_EQ(Kernel(3, 0.0), 0.25);
    EXPECT_EQ(Kernel(4, 0.0), 1.0);
}

TEST(KernelValues, CutOffsAndTails)
{
    EXPECT_EQ(Kernel(2, 2.0), 0.0);
    EXPECT_EQ(Kernel(2, -2.0), 0.0);
    EXPECT_GT(Kernel(2, 1.999), 0.0);
    EXPECT_GT(Kernel(1, 14.1), 0.0);
    EXPECT_EQ(Kernel(1, 14.15), 0.0);
    EXPECT_EQ(Kernel(1, -14.15), 0.0);

    const double d = std::exp(-15.0);
    EXPECT_EQ(Kernel(3, 15.0), 1.0 / (d + 1.0 / d + 2.0));
    EXPECT_EQ(Kernel(3, 15.5), std::exp(-15.5));
    EXPECT_EQ(Kernel(3, -15.5), std::exp(-15.5));
    EXPECT_EQ(Kernel(3, 150.0), 0.0);
    EXPECT_GT(Kernel(4, 1e6), 0.0);
}

TEST(KernelValues, Type4IsTheStretchedRationalKernel)
{
    EXPECT_DOUBLE_EQ(Kernel(4, std::sqrt(3.0)), 0.25);
    EXPECT_DOUBLE_EQ(Kernel(1, 1.0), std::exp(-0.5));
}

TEST(KernelValues, UnknownTypesGiveZero)
{
    for (int type : {0, 5, -1}) {
        for (double u : {0.0, 0.5, -3.0}) {
            EXPECT_EQ(Kernel(type, u), 0.0);
            EXPECT_EQ(KernelPrimitive(type, u), 0.0);
            EXPECT_EQ(KernelMoment(type, u), 0.0);
            EXPECT_EQ(HatConvolution(type, u), 0.0);
            EXPECT_EQ(IntegratedKernel(type, 1.0, u, 0.0), 0.0);
        }
    }
    EXPECT_EQ(IntegratedKernel(2, 1.0, 0.0, 0.0), 0.0);
}

TEST(KernelValues, AllKernelsAreEven)
{
    for (int type = 1; type <= 4; ++type)
        for (double u : {0.25, 1.0, 1.9, 3.5, 16.0})
            EXPECT_EQ(Kernel(type, u), Kernel(type, -u)) << type << " " << u;
}

TEST(KernelValues, ScaledKernelDividesTheDistance)
{
    EXPECT_EQ(ScaledKernel(1, 0.5, 1.0, 0.5), Kernel(1, 1.0));
    EXPECT_EQ(ScaledKernel(3, 2.0, -1.0, 3.0), Kernel(3, -2.0));
}

TEST(Antiderivatives, LogisticPrimitiveAndMoments)
{
    EXPECT_EQ(KernelPrimitive(3, 0.0), 0.0);
    EXPECT_NEAR(KernelPrimitive(3, 2.0), 1.0 / (1.0 + std::exp(-2.0)) - 0.5, 1e-16);
    EXPECT_EQ(KernelPrimitive(3, -2.0), -KernelPrimitive(3, 2.0));
    EXPECT_NEAR(KernelPrimitive(4, 1e9), M_PI / 4.0, 1e-12);
    EXPECT_DOUBLE_EQ(KernelMoment(3, 0.0), -0.6931471805599453);
    EXPECT_EQ(KernelMoment(3, 3.0), KernelMoment(3, -3.0));
    EXPECT_EQ(KernelMoment(4, 0.0), -0.5);
    // Both branches of the logistic moment meet at 15.
    EXPECT_NEAR(KernelMoment(3, 15.0), KernelMoment(3, 15.0000001), 1e-12);
}

TEST(Antiderivatives, PrimitivesDifferentiateToTheirKernels)
{
    const double step = 1e-5;
    for (double x : {-2.0, -0.3, 0.7, 4.0}) {
        const double k3 = (KernelPrimitive(3, x + step) - KernelPrimitive(3, x - step)) / (2 * step);
        EXPECT_NEAR(k3, Kernel(3, x), 1e-9) << x;
        const double k4 = (KernelPrimitive(4, x + step) - KernelPrimitive(4, x - step)) / (2 * step);
        EXPECT_NEAR(k4, 1.0 / ((1 + x * x) * (1 + x * x)), 1e-9) << x;
        const double m3 = (KernelMoment(3, x + step) - KernelMoment(3, x - step)) / (2 * step);
        EXPECT_NEAR(m3, x * Kernel(3, x), 1e-9) << x;
    }
}

TEST(IntegratedKernels, ValuesAtZero)
{
    EXPECT_NEAR(IntegratedKernel(1, 1.0, 0.0, 0.0), 0.368746, 1e-6);
    EXPECT_NEAR(IntegratedKernel(3, 1.0, 0.0, 0.0), 0.240229, 1e-6);
    EXPECT_NEAR(IntegratedKernel(4, 1.0, 0.0, 0.0), 1.0 / 3.0, 1e-15);
}

TEST(IntegratedKernels, ScaleStretchesTheArgument)
{
    EXPECT_EQ(IntegratedKernel(1, 0.5, 0.75, 0.25), IntegratedKernel(1, 1.0, 1.0, 0.0));
    EXPECT_EQ(IntegratedKernel(4, 2.0, 1.0, -1.0), IntegratedKernel(4, 1.0, 1.0, 0.0));
}

TEST(IntegratedKernels, IntegerShiftsFormAPartitionOfUnity)
{
    struct Case {
        int type;
        double tolerance;
    };
    for (const Case c : {Case{1, 1e-12}, Case{3, 1e-12}, Case{4, 1e-5}}) {
        for (double u : {0.0, 0.1, 0.37, 0.5, 0.92}) {
            double sum = 0.0;
            for (int j = -60; j <= 60; ++j)
                sum += IntegratedKernel(c.type, 1.0, u, j);
            EXPECT_NEAR(sum, 1.0, c.tolerance) << "type " << c.type << " at " << u;
        }
    }
}

TEST(IntegratedKernels, EvenWithUnitMass)
{
    for (int type : {1, 3, 4}) {
        EXPECT_NEAR(IntegratedKernel(type, 1.0, 0.8, 0.0), IntegratedKernel(type, 1.0, -0.8, 0.0), 1e-15);
        double mass = 0.0;
        const double step = 0.01;
        for (int i = -6000; i <= 6000; ++i)
            mass += IntegratedKernel(type, 1.0, i * step, 0.0) * step;
        EXPECT_NEAR(mass, 1.0, type == 4 ? 2e-3 : 1e-9) << type;
    }
}
