// One complete approximation: sampling, boundary cubic, approximation of the
// residual by the chosen method, and evaluation at the output points.

#include "engine/BoundedText.h"
#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"
#include "engine/NodeSmoothing.h"
#include "engine/SampleFile.h"

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace spln;

namespace {

// Values and derivatives at -h and +h that the boundary cubic must carry.
struct BoundaryValues {
    double left;
    double right;
    double leftDeriv;
    double rightDeriv;
};

struct SampleGrid {
    int count;       // N
    double spacing;  // s
};

// Derivatives at the ends of each example function, by example number 1..11.
constexpr double kExampleLeftDeriv[11] = {-2.35, 0.0, 0.0125, -0.75, -8.0, -1.0, 0.0, 7.0, 0.0, 0.0, 3.75};
constexpr double kExampleRightDeriv[11] = {2.35, 0.0, -0.0125, -0.75, -8.0, 1.0, 0.0, 2.0, 0.0, 0.0, 1.0};

// The double nearest to 1/4500, the spacing of the file's 4501 samples on [-1, 1] divided by 2.
constexpr double kFileSpacingFactor = 0.00022222222222222223;

// First samples and first index of the last samples that the boundary cubic is fitted to.
constexpr int kFitLeftCount = 250;
constexpr int kFitRightStart = 4250;

bool WithinCapacity(const CSplineEngine& e)
{
    if (e.m_nSource == 0 && (e.m_nSamples < 2 || e.m_nSamples > kMaxSamples))
        return false;
    if (e.m_nMethod == 1 && (e.m_nSchwarzCount < 2 || e.m_nSchwarzCount > kMaxSamples))
        return false;
    if (e.m_nMethod == 2 && (e.m_nLsqCount < 2 || e.m_nLsqCount > kMaxSystem || e.m_nMaxLsqSamples < 2 ||
                             e.m_nMaxLsqSamples > kMaxLsqPoints))
        return false;
    return e.m_nPoints >= 2 && e.m_nPoints <= kMaxSamples;
}

void RecordFailure(CSplineEngine& e, RunFailure failure, int detail, const char* path)
{
    e.m_eFailure = failure;
    e.m_nFailureDetail = detail;
    CopyBoundedText(e.m_szFailurePath, kPathSize, path);
}

// Samples the built-in function with noise; the two end samples are noise-free.
SampleGrid SampleExample(CSplineEngine& e, BoundaryValues& ends)
{
    const double h = e.m_dHalfWidth;
    const int n = e.m_nSamples;
    const double s = (h - (-h)) / (n - 1);
    for (int i = 0; i < n; ++i) {
        e.m_wsX[i] = -h + i * s;
        e.m_wsY[i] = e.NoisySample(e.m_wsX[i]);
    }
    ends.left = e.Detrended(e.m_wsX[0]);
    ends.right = e.Detrended(e.m_wsX[n - 1]);
    e.m_wsY[0] = ends.left;
    e.m_wsY[n - 1] = ends.right;
    if (e.m_nExample >= 1 && e.m_nExample <= 11) {
        ends.leftDeriv = kExampleLeftDeriv[e.m_nExample - 1];
        ends.rightDeriv = kExampleRightDeriv[e.m_nExample - 1];
    }
    return {n, s};
}

// Fits a cubic by least squares to the first and last samples of the file
// and takes the ends' values and slopes from it.
void EstimateBoundary(CSplineEngine& e, BoundaryValues& ends)
{
    const double* x = e.m_wsX;
    const double* y = e.m_wsY;
    for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 4; ++l) {
            double sum = 0.0;
            for (int i = 0; i < kFitLeftCount; ++i)
                sum = sum + IntPower(l, x[i]) * IntPower(k, x[i]);
            for (int i = kFitRightStart; i < kFileSamples; ++i)
                sum = sum + IntPower(l, x[i]) * IntPower(k, x[i]);
            e.m_dMatrix[k][l] = sum;
        }
    }
    for (int l = 0; l < 4; ++l) {
        double sum = 0.0;
        for (int i = 0; i < kFitLeftCount; ++i)
            sum = sum + IntPower(l, x[i]) * y[i];
        for (int i = kFitRightStart; i < kFileSamples; ++i)
            sum = sum + IntPower(l, x[i]) * y[i];
        e.m_dVector[l] = sum;
    }
    double* c = e.m_wsCubic;
    e.Solve(4, c);
    const double x0 = x[0];
    const double x1 = x[kFileSamples - 1];
    ends.left = e.Cubic(x0, c);
    ends.right = e.Cubic(x1, c);
    ends.leftDeriv = c[1] + (2.0 * c[2] + 3.0 * c[3] * x0) * x0;
    ends.rightDeriv = c[1] + (2.0 * c[2] + 3.0 * c[3] * x1) * x1;
}

// Reads and normalises the sample file and fills the data result. Returns
// false, with the failure recorded and no result touched, when it cannot.
bool SampleFile(CSplineEngine& e, BoundaryValues& ends, SampleGrid& grid)
{
    ResolveSampleFilePath(e.m_szDataPath, e.m_wsPath, kPathSize);
    const SampleFileReading reading = ReadSampleNumbers(e.m_wsPath, e.m_wsFile, kFileBufferSize);
    if (reading.failure != RunFailure::None) {
        RecordFailure(e, reading.failure, reading.detail, e.m_wsPath);
        return false;
    }
    if (reading.count != kFileSamples) {
        RecordFailure(e, RunFailure::WrongCount, reading.count, e.m_wsPath);
        return false;
    }
    if (!NormaliseByLargestMagnitude(e.m_wsFile, kFileSamples)) {
        RecordFailure(e, RunFailure::AllZero, 0, e.m_wsPath);
        return false;
    }

    const double h = e.m_dHalfWidth;
    const double s = (h - (-h)) * kFileSpacingFactor;
    for (int i = 0; i < kFileSamples; ++i) {
        e.m_wsX[i] = -h + i * s;
        e.m_wsY[i] = e.m_wsFile[i];
    }

    // The data shown are every q-th sample, taken before the ends are replaced.
    const int points = e.m_nPoints;
    if (points < kFileSamples) {
        const int q = kFileSamples / points;
        for (int k = 0; k < points; ++k)
            e.m_dData[k] = e.m_wsY[k * q];
    } else {
        for (int k = 0; k < points; ++k)
            e.m_dData[k] = e.m_wsY[k];
    }

    if (e.m_nBoard != 0)
        EstimateBoundary(e, ends);
    e.m_wsY[0] = ends.left;
    e.m_wsY[kFileSamples - 1] = ends.right;
    grid = {kFileSamples, s};
    return true;
}

// Coefficients a0..a3 of the cubic with the given values and slopes at -h and +h.
struct BoundaryCubic {
    double a0, a1, a2, a3;

    double Value(double x) const { return ((a3 * x + a2) * x + a1) * x; }
};

BoundaryCubic MakeBoundaryCubic(const BoundaryValues& ends, double h)
{
    const double A = (ends.rightDeriv + ends.leftDeriv) * h;
    const double D = (ends.rightDeriv - ends.leftDeriv) * h;
    const double Q = ends.right - ends.left;
    BoundaryCubic c;
    c.a3 = (A - Q) / (4.0 * IntPower(3, h));
    c.a2 = D / (4.0 * IntPower(2, h));
    c.a1 = (3.0 * Q - A) / (4.0 * h);
    c.a0 = (ends.left + ends.right) / 2.0 - D / 4.0;
    return c;
}

}  // namespace

void CSplineEngine::Run()
{
    if (!WithinCapacity(*this)) {
        RecordFailure(*this, RunFailure::BadSettings, 0, "");
        return;
    }

    const double h = m_dHalfWidth;
    BoundaryValues ends{m_dLeftValue, m_dRightValue, m_dLeftDeriv, m_dRightDeriv};
    SampleGrid grid{0, 0.0};
    if (m_nSource == 0)
        grid = SampleExample(*this, ends);
    else if (m_nSource == 1) {
        if (!SampleFile(*this, ends, grid))
            return;
    } else {
        return;  // no such source: nothing to sample
    }
    const int N = grid.count;
    double* x = m_wsX;
    double* y = m_wsY;
    const double w = m_nWindow * grid.spacing;

    const BoundaryCubic cubic = MakeBoundaryCubic(ends, h);
    for (int i = 0; i < N; ++i)
        y[i] = y[i] - cubic.a3 * IntPower(3, x[i]) - cubic.a2 * IntPower(2, x[i]) - cubic.a1 * x[i] - cubic.a0;

    // Approximation of the residual: coefficients g at centres t (projection),
    // or least-squares values at accumulated points followed by the fit.
    const int M = m_nSchwarzCount;
    const double nodeSpacing = (h - (-h)) / (M - 1);
    double* g = m_wsCoef;
    double* t = m_wsCentre;
    if (m_nMethod == 1) {
        double node = -h;
        for (int j = 0; j < M; ++j) {
            m_wsNode[j] = node;
            t[j] = -h + j * nodeSpacing;
            node = node + nodeSpacing;
        }
        SmoothAtNodes(*this, m_nSchwarzType, N, w, y, x, m_wsNode, M, g);
    } else if (m_nMethod == 2) {
        const int n = N < m_nMaxLsqSamples ? N : m_nMaxLsqSamples;
        const double step = (h - (-h)) / (n - 1);
        double u = -h;
        for (int j = 0; j < n; ++j) {
            t[j] = u;
            u = u + step;
        }
        if (N <= m_nMaxLsqSamples) {
            for (int j = 0; j < n; ++j)
                g[j] = y[j];
        } else {
            SmoothAtNodes(*this, 1, N, w, y, x, t, n, g);
        }
        BuildLsqSystem(m_nLsqType, m_nLsqCount, n, g);
        Solve(m_nLsqCount, m_wsLsq);
    }

    const int P = m_nPoints;
    const double d = (h - (-h)) / (P - 1);
    const bool builtIn = m_nSource == 0;
    double interiorError = -1.0;
    double xi = -h;
    for (int k = 0; k < P; ++k) {
        m_dX[k] = xi;
        double S = 0.0;
        if (m_nMethod == 1 && m_nSchwarzType == 2)
            S = KernelSum(2, M, xi, nodeSpacing, g, t);
        else if (m_nMethod == 1)
            S = HatKernelSum(m_nSchwarzType, M, xi, nodeSpacing, g, t);
        else if (m_nMethod == 2)
            S = LsqSum(m_nLsqType, xi, m_wsLsq);
        m_dApprox[k] = TrendLine(xi) + cubic.Value(xi) + S + cubic.a0;
        if (builtIn) {
            m_dExact[k] = ExampleFunction(xi);
            const double noisy = NoisySample(xi);
            m_dData[k] = noisy + TrendLine(xi);
            if (k > 5 && k < P - 5) {
                const double error = std::fabs(m_dApprox[k] - m_dExact[k]);
                if (error > interiorError)
                    interiorError = error;
            }
        }
        xi = xi + d;
    }
    m_nResultCount = P;
    if (builtIn) {
        std::snprintf(m_szReport, kReportSize,
                      "left board error = %lf    internal error = %lf    right board error = %lf",
                      std::fabs(m_dApprox[0] - m_dExact[0]), interiorError,
                      std::fabs(m_dApprox[P - 1] - m_dExact[P - 1]));
    }
    m_eFailure = RunFailure::None;
    m_nFailureDetail = 0;
    m_szFailurePath[0] = '\0';
}
