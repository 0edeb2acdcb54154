// One complete approximation: sampling, boundary cubic, approximation of the
// residual by the chosen method, and evaluation at the output points.

#include "engine/Abscissae.h"
#include "engine/BoundedText.h"
#include "engine/CSplineEngine.h"
#include "engine/DataFile.h"
#include "engine/Kernels.h"
#include "engine/LeastSquares.h"
#include "engine/NodeSmoothing.h"
#include "engine/Noise.h"
#include "engine/Projection.h"
#include "engine/RunDomain.h"
#include "engine/SampleFile.h"
#include "engine/VectorClones.h"

#include <cmath>
#include <cstdint>
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

// The double nearest to 1/4500, the spacing of the file's 4501 samples on [-1, 1] divided by 2;
// a file of N samples takes 1/(N - 1), which is the same double for N = 4501.
constexpr double kFileSpacingFactor = 0.00022222222222222223;
static_assert(1.0 / (kFileSamples - 1) == kFileSpacingFactor);

void RecordFailure(CSplineEngine& e, RunFailure failure, int detail, const char* path)
{
    e.m_eFailure = failure;
    e.m_nFailureDetail = detail;
    e.m_nFailureLine = 0;
    e.m_nFailureColumn = 0;
    e.m_szFailureText[0] = '\0';
    CopyBoundedText(e.m_szFailurePath, kPathSize, path);
}

// Samples the built-in function or the tabulated formula with noise; the two
// end samples are noise-free.
SampleGrid SampleExample(CSplineEngine& e, BoundaryValues& ends)
{
    const double h = e.m_dHalfWidth;
    const int n = e.m_nSamples;
    const double s = (h - (-h)) / (n - 1);
    for (int i = 0; i < n; ++i)
        e.m_wsX[i] = SampleAbscissa(h, n, i);
    if (e.m_nSource == kSourceFormula) {
        std::memcpy(e.m_wsY, e.m_dFunctionSamples, sizeof(double) * static_cast<unsigned>(n));
        e.DetrendWithNoise(e.m_wsX, e.m_wsY, n);
        ends.left = e.m_dFunctionSamples[0] - e.TrendLine(e.m_wsX[0]);
        ends.right = e.m_dFunctionSamples[n - 1] - e.TrendLine(e.m_wsX[n - 1]);
        ends.leftDeriv = e.m_dFunctionLeftDeriv;
        ends.rightDeriv = e.m_dFunctionRightDeriv;
    } else {
        e.NoisySamples(e.m_wsX, e.m_wsY, n);
        ends.left = e.Detrended(e.m_wsX[0]);
        ends.right = e.Detrended(e.m_wsX[n - 1]);
        if (e.m_nExample >= 1 && e.m_nExample <= 11) {
            ends.leftDeriv = kExampleLeftDeriv[e.m_nExample - 1];
            ends.rightDeriv = kExampleRightDeriv[e.m_nExample - 1];
        }
    }
    e.m_wsY[0] = ends.left;
    e.m_wsY[n - 1] = ends.right;
    return {n, s};
}

// True when the formula's table was made for this run's samples and output
// points and holds finite values only.
bool FunctionTableFits(const CSplineEngine& e)
{
    if (e.m_nFunctionSamples != e.m_nSamples || e.m_nFunctionPoints != e.m_nPoints)
        return false;
    bool finite = std::isfinite(e.m_dFunctionLeft) && std::isfinite(e.m_dFunctionRight) &&
                  std::isfinite(e.m_dFunctionLeftDeriv) && std::isfinite(e.m_dFunctionRightDeriv);
    for (int i = 0; i < e.m_nSamples; ++i)
        finite = finite && std::isfinite(e.m_dFunctionSamples[i]);
    for (int k = 0; k < e.m_nPoints; ++k)
        finite = finite && std::isfinite(e.m_dFunctionOutputs[k]);
    return finite;
}

// Fits a cubic by least squares to the first and last samples of the file
// and takes the ends' values and slopes from it.
void EstimateBoundary(CSplineEngine& e, int n, BoundaryValues& ends)
{
    const double* x = e.m_wsX;
    const double* y = e.m_wsY;
    // All twenty sums in one pass over the window, each a chain of its own
    // in the window's order (the left samples, then the right ones).
    double matrix[4][4] = {};
    double vector[4] = {};
    auto add = [&](int i) {
        const double powers[4] = {IntPower(0, x[i]), IntPower(1, x[i]), IntPower(2, x[i]), IntPower(3, x[i])};
        for (int k = 0; k < 4; ++k) {
            for (int l = 0; l < 4; ++l)
                matrix[k][l] = matrix[k][l] + powers[l] * powers[k];
        }
        for (int l = 0; l < 4; ++l)
            vector[l] = vector[l] + powers[l] * y[i];
    };
    for (int i = 0; i < BoundaryFitLeftCount(n); ++i)
        add(i);
    for (int i = BoundaryFitRightStart(n); i < n; ++i)
        add(i);
    for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 4; ++l)
            e.m_dMatrix[k][l] = matrix[k][l];
        e.m_dVector[k] = vector[k];
    }
    double* c = e.m_wsCubic;
    e.Solve(4, c);
    const double x0 = x[0];
    const double x1 = x[n - 1];
    ends.left = e.Cubic(x0, c);
    ends.right = e.Cubic(x1, c);
    ends.leftDeriv = c[1] + (2.0 * c[2] + 3.0 * c[3] * x0) * x0;
    ends.rightDeriv = c[1] + (2.0 * c[2] + 3.0 * c[3] * x1) * x1;
}

// Normalises the data file's samples and fills the data result. Returns
// false, with the failure recorded and no result touched, when it cannot.
bool SampleDataFile(CSplineEngine& e, BoundaryValues& ends, SampleGrid& grid)
{
    if (!e.m_bDataLoaded && !LoadDataFile(e))
        return false;
    const int n = e.m_dataTable.samples;
    const double largest = LargestMagnitude(e.m_wsFile, n);
    if (largest == 0.0) {
        RecordFailure(e, RunFailure::AllZero, 0, e.m_wsPath);
        return false;
    }

    // Each number divided by the largest magnitude is held in single
    // precision, as the file's numbers are; the table itself stays as read.
    const double h = e.m_dHalfWidth;
    const double s = (h - (-h)) * (1.0 / (n - 1));
    for (int i = 0; i < n; ++i) {
        e.m_wsX[i] = -h + i * s;
        e.m_wsY[i] = static_cast<float>(e.m_wsFile[i] / largest);
    }

    // The data shown are taken before the ends are replaced. The sample
    // file's 4501 show every q-th sample from the first, as they always have
    // (q = 7 for 640 points, the last one y[4473]); a file of another length
    // shows the sample nearest to each output point, since every q-th would
    // stretch the data against x as the points outnumber them by a fraction.
    const int points = e.m_nPoints;
    const int q = n / points;
    for (int k = 0; k < points; ++k) {
        const int sample = n == kFileSamples && q >= 1
                               ? k * q
                               : static_cast<int>((2LL * k * (n - 1) + (points - 1)) / (2LL * (points - 1)));
        e.m_dData[k] = e.m_wsY[sample];
    }

    if (e.m_nBoard != 0)
        EstimateBoundary(e, n, ends);
    e.m_wsY[0] = ends.left;
    e.m_wsY[n - 1] = ends.right;
    grid = {n, s};
    e.m_dDataScale = largest;
    return true;
}

// A two-column file's outputs are shown in its own units of x: the run's
// interval [-h, h] stretched onto the file's first and last x.
void MapOutputsToFileUnits(CSplineEngine& e)
{
    const DataShape& shape = e.m_dataTable;
    if (shape.columns != 2)
        return;
    const double h = e.m_dHalfWidth;
    const double scale = (shape.right - shape.left) / (h - (-h));
    for (int k = 0; k < e.m_nPoints; ++k)
        e.m_dX[k] = shape.left + (e.m_dX[k] + h) * scale;
    e.m_dX[0] = shape.left;
    e.m_dX[e.m_nPoints - 1] = shape.right;
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

// Subtracts the boundary cubic from the N samples, leaving the residual.
// Plain IEEE arithmetic on independent samples: compiled for AVX2 as well.
SPLN_VECTOR_CLONES
void SubtractCubic(const double* x, double* y, int N, BoundaryCubic cubic)
{
    for (int i = 0; i < N; ++i)
        y[i] = y[i] - cubic.a3 * IntPower(3, x[i]) - cubic.a2 * IntPower(2, x[i]) - cubic.a1 * x[i] - cubic.a0;
}

// The projection's nodes: M of them, nodeSpacing apart from -h.
struct Projection {
    int M;
    double nodeSpacing;
};

// Approximates the residual of N samples with window width w: projection
// coefficients g at the centres t, or the least-squares coefficients.
Projection ApproximateResidual(CSplineEngine& e, int N, double w)
{
    const double h = e.m_dHalfWidth;
    const double* x = e.m_wsX;
    const double* y = e.m_wsY;
    double* g = e.m_wsCoef;
    double* t = e.m_wsCentre;
    const Projection projection{e.m_nSchwarzCount, (h - (-h)) / (e.m_nSchwarzCount - 1)};
    if (e.m_nMethod == 1) {
        // The coefficient of each centre is smoothed at an accumulated node,
        // while the centre itself is a product; their last bits may differ.
        double node = -h;
        for (int j = 0; j < projection.M; ++j) {
            e.m_wsNode[j] = node;
            t[j] = -h + j * projection.nodeSpacing;
            node = node + projection.nodeSpacing;
        }
        SmoothAtNodes(e, e.m_nSchwarzType, N, w, y, x, e.m_wsNode, projection.M, g);
        return projection;
    }

    // Least squares on at most m_nMaxLsqSamples points: the samples
    // themselves, or the residual thinned by type-1 smoothing.
    const int n = N < e.m_nMaxLsqSamples ? N : e.m_nMaxLsqSamples;
    const double step = (h - (-h)) / (n - 1);
    double u = -h;
    for (int j = 0; j < n; ++j) {
        t[j] = u;
        u = u + step;
    }
    if (N <= e.m_nMaxLsqSamples) {
        for (int j = 0; j < n; ++j)
            g[j] = y[j];
    } else {
        SmoothAtNodes(e, 1, N, w, y, x, t, n, g);
    }
    e.BuildLsqSystem(e.m_nLsqType, e.m_nLsqCount, n, g);
    e.Solve(e.m_nLsqCount, e.m_wsLsq);
    return projection;
}

// The approximated residual S[k] at x[k] for k < count, the expansions' sums side by side.
void ResidualsAt(const CSplineEngine& e, const Projection& projection, const double* x, int count, double* S)
{
    if (e.m_nMethod == 2) {
        LsqSumsAt(e, e.m_nLsqType, x, count, e.m_wsLsq, S);
    } else if (e.m_nSchwarzType == 2) {
        KernelSumsAt(e, 2, projection.M, x, count, projection.nodeSpacing, e.m_wsCoef, e.m_wsCentre, S);
    } else {
        HatKernelSumsAt(e, e.m_nSchwarzType, projection.M, x, count, projection.nodeSpacing, e.m_wsCoef, e.m_wsCentre,
                        S);
    }
}

// The output points are taken a chunk at a time.
constexpr int kOutputChunk = 64;

struct ResidualJob {
    const CSplineEngine* engine;
    const Projection* projection;
    double* out;  // a value per output point
};

// The residuals of the output chunks begin..end-1 into job.out: chunks of
// kOutputChunk points, whichever thread takes them, as the loop over them
// would have made them.
void ResidualChunks(void* context, int begin, int end)
{
    const ResidualJob& job = *static_cast<const ResidualJob*>(context);
    const CSplineEngine& e = *job.engine;
    for (int c = begin; c < end; ++c) {
        const int start = c * kOutputChunk;
        const int count = e.m_nPoints - start < kOutputChunk ? e.m_nPoints - start : kOutputChunk;
        ResidualsAt(e, *job.projection, e.m_dX + start, count, job.out + start);
    }
}

// Whether the expansion at the output points is worth sharing among the
// workers: the integrated kernels of types 3 and 4 call the library's
// logarithm and arctangent in every term, the others cost less than the hand-over.
bool CostlyExpansion(const CSplineEngine& e)
{
    return e.m_nMethod != 2 && (e.m_nSchwarzType == 3 || e.m_nSchwarzType == 4);
}

// Fills the result arrays at the output points and, for a built-in function
// or a formula, the exact values, fresh noisy data and the report line.
void EvaluateOutputs(CSplineEngine& e, const BoundaryCubic& cubic, const Projection& projection)
{
    const double h = e.m_dHalfWidth;
    const int P = e.m_nPoints;
    const bool builtIn = e.m_nSource != kSourceFile;
    const bool formula = e.m_nSource == kSourceFormula;
    OutputAbscissae(h, P, e.m_dX);
    // The residuals first, independent of each other; then a chunk of output
    // points at a time, so that the trend line, the function and the fresh
    // noise (drawn in increasing order) are evaluated together.
    ResidualJob job{&e, &projection, e.m_dApprox};
    const int chunks = (P + kOutputChunk - 1) / kOutputChunk;
    if (CostlyExpansion(e))
        RunShared(chunks, 1, ResidualChunks, &job);
    else
        ResidualChunks(&job, 0, chunks);
    double trend[kOutputChunk];
    for (int start = 0; start < P; start += kOutputChunk) {
        const int count = P - start < kOutputChunk ? P - start : kOutputChunk;
        double* x = e.m_dX + start;
        e.TrendLines(x, trend, count);
        const double* S = e.m_dApprox + start;
        for (int k = 0; k < count; ++k)
            e.m_dApprox[start + k] = trend[k] + cubic.Value(x[k]) + S[k] + cubic.a0;
        if (formula) {
            std::memcpy(e.m_dExact + start, e.m_dFunctionOutputs + start,
                        sizeof(double) * static_cast<unsigned>(count));
            std::memcpy(e.m_dData + start, e.m_dFunctionOutputs + start, sizeof(double) * static_cast<unsigned>(count));
            e.DetrendWithNoise(x, e.m_dData + start, count);
        } else if (builtIn) {
            e.ExampleFunctions(x, e.m_dExact + start, count);
            e.NoisySamples(x, e.m_dData + start, count);
        }
        if (builtIn) {
            for (int k = 0; k < count; ++k)
                e.m_dData[start + k] = e.m_dData[start + k] + trend[k];
        }
    }
    double interiorError = -1.0;
    if (builtIn) {
        for (int k = 6; k < P - 5; ++k) {
            const double error = std::fabs(e.m_dApprox[k] - e.m_dExact[k]);
            if (error > interiorError)
                interiorError = error;
        }
    }
    e.m_nResultCount = P;
    if (builtIn) {
        e.m_dLeftError = std::fabs(e.m_dApprox[0] - e.m_dExact[0]);
        e.m_dInteriorError = interiorError;
        e.m_dRightError = std::fabs(e.m_dApprox[P - 1] - e.m_dExact[P - 1]);
        std::snprintf(e.m_szReport, kReportSize,
                      "left board error = %lf    internal error = %lf    right board error = %lf", e.m_dLeftError,
                      e.m_dInteriorError, e.m_dRightError);
    } else {
        e.m_dLeftError = 0.0;
        e.m_dInteriorError = 0.0;
        e.m_dRightError = 0.0;
    }
}

// The pipeline of one run, drawing its noise from whatever sequence the engine names.
void Approximate(CSplineEngine& e)
{
    if (const int setting = FirstUncomputableSetting(e)) {
        RecordFailure(e, RunFailure::BadSettings, setting, "");
        return;
    }

    BoundaryValues ends{e.m_dLeftValue, e.m_dRightValue, e.m_dLeftDeriv, e.m_dRightDeriv};
    SampleGrid grid{0, 0.0};
    if (e.m_nSource == kSourceFormula && !FunctionTableFits(e)) {
        RecordFailure(e, RunFailure::NoFunctionTable, 0, "");
        return;
    }
    if (e.m_nSource != kSourceFile)
        grid = SampleExample(e, ends);
    else if (!SampleDataFile(e, ends, grid))
        return;

    const BoundaryCubic cubic = MakeBoundaryCubic(ends, e.m_dHalfWidth);
    SubtractCubic(e.m_wsX, e.m_wsY, grid.count, cubic);
    const Projection projection = ApproximateResidual(e, grid.count, e.m_nWindow * grid.spacing);
    EvaluateOutputs(e, cubic, projection);
    if (e.m_nSource == kSourceFile) {
        MapOutputsToFileUnits(e);
        e.m_dataShown = e.m_dataTable;
    } else {
        e.m_dataShown = {};
        e.m_dDataScale = 0.0;
    }

    e.m_eFailure = RunFailure::None;
    e.m_nFailureDetail = 0;
    e.m_szFailurePath[0] = '\0';
    e.m_nFailureLine = 0;
    e.m_nFailureColumn = 0;
    e.m_szFailureText[0] = '\0';
}

}  // namespace

void CSplineEngine::Run()
{
    // A seed gives the run a sequence of its own, started afresh at the seed,
    // so the same settings draw the same noise every time. A sequence handed
    // in from outside (a study's) keeps precedence; seed 0 goes on with the
    // process-wide sequence.
    NoiseSequence seeded(static_cast<std::uint32_t>(m_nNoiseSeed));
    NoiseSequence* const given = m_pNoise;
    if (!given && m_nNoiseSeed > 0)
        m_pNoise = &seeded;
    Approximate(*this);
    m_pNoise = given;
}
