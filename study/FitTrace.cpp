// The diagonal of the linear map from a run's samples to its fit at them,
// from the same kernels, windows and least-squares system the run uses.

#include "study/FitTrace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <utility>

#include "engine/Kernels.h"
#include "engine/Projection.h"

namespace spln::study {
namespace {

using Vector = std::vector<double>;

size_t At(int i)
{
    return static_cast<size_t>(i);
}

// The run replaces the two end samples by its boundary values: only the
// samples between them reach the approximation of the residual.
bool Inner(int i, int n)
{
    return i > 0 && i < n - 1;
}

bool Holds(IndexWindow window, int i)
{
    return i >= window.first && i <= window.last;
}

// The N sample abscissae -h + i s of a run.
struct SampleGrid {
    int n;
    double h;
    double s;
    Vector x;
};

SampleGrid MakeGrid(const CSplineEngine& engine, int n)
{
    SampleGrid grid{n, engine.m_dHalfWidth, (engine.m_dHalfWidth - (-engine.m_dHalfWidth)) / (n - 1), {}};
    grid.x.resize(At(n));
    for (int i = 0; i < n; ++i)
        grid.x[At(i)] = -grid.h + i * grid.s;
    return grid;
}

// Kernel smoothing of the inner samples at a point, as the run's windowed
// sums take it: the weight of each sample in the window around the point.
class Smoothing {
public:
    Smoothing(const SampleGrid& grid, int type, double bandwidth)
        : m_grid(grid),
          m_type(type),
          m_bandwidth(bandwidth),
          m_half(SmoothingHalfWidth(bandwidth, grid.s)),
          m_scale(grid.s / bandwidth * KernelNorm(type))
    {}

    IndexWindow Window(double point) const { return WindowAround(point, m_grid.h, m_grid.s, m_half, m_grid.n); }

    // The weight of sample i in the value at point; 0 outside the window and at the ends.
    double Weight(double point, int i) const
    {
        if (!Inner(i, m_grid.n) || !Holds(Window(point), i))
            return 0.0;
        return m_scale * Kernel(m_type, (point - m_grid.x[At(i)]) / m_bandwidth);
    }

    double Smooth(double point, const Vector& values) const
    {
        const IndexWindow window = Window(point);
        double sum = 0.0;
        for (int i = window.first; i <= window.last; ++i)
            sum = sum + Weight(point, i) * values[At(i)];
        return sum;
    }

    // How far from a point its window reaches, in distance.
    double Reach() const { return (m_half + 2) * m_grid.s; }

private:
    const SampleGrid& m_grid;
    int m_type;
    double m_bandwidth;
    int m_half;
    double m_scale;
};

// The approximation of the residual as a linear map of the inner samples.
class LinearFit {
public:
    virtual ~LinearFit() = default;
    // The fit at sample i per unit of sample i.
    virtual double Diagonal(int i) const = 0;
    // The fit at the samples `at` of the values (the two ends left out).
    virtual Vector Apply(const Vector& values, const std::vector<int>& at) const = 0;
};

// Projection: coefficients smoothed at accumulated nodes, expanded in the
// kernel (type 2) or the integrated kernels on centres spaced delta apart.
class ProjectionFit : public LinearFit {
public:
    ProjectionFit(const CSplineEngine& engine, const SampleGrid& grid)
        : m_grid(grid),
          m_type(engine.m_nSchwarzType),
          m_count(engine.m_nSchwarzCount),
          m_delta((grid.h - (-grid.h)) / (m_count - 1)),
          m_smoothing(grid, m_type, engine.m_nWindow * grid.s)
    {
        double node = -grid.h;
        for (int j = 0; j < m_count; ++j) {
            m_nodes.push_back(node);
            m_centres.push_back(-grid.h + j * m_delta);
            node = node + m_delta;
        }
    }

    double Diagonal(int i) const override
    {
        const double x = m_grid.x[At(i)];
        const IndexWindow expansion = Expansion(x);
        double sum = 0.0;
        for (int j = expansion.first; j <= expansion.last; ++j)
            sum = sum + Basis(x, j) * m_smoothing.Weight(m_nodes[At(j)], i);
        return sum;
    }

    Vector Apply(const Vector& values, const std::vector<int>& at) const override
    {
        Vector coefficients(At(m_count));
        for (int j = 0; j < m_count; ++j)
            coefficients[At(j)] = m_smoothing.Smooth(m_nodes[At(j)], values);
        Vector out;
        for (int i : at) {
            const double x = m_grid.x[At(i)];
            const IndexWindow expansion = Expansion(x);
            double sum = 0.0;
            for (int j = expansion.first; j <= expansion.last; ++j)
                sum = sum + Basis(x, j) * coefficients[At(j)];
            out.push_back(sum);
        }
        return out;
    }

private:
    IndexWindow Expansion(double x) const
    {
        return WindowAround(x, m_grid.h, m_delta, ExpansionHalfWidth(m_type), m_count);
    }

    double Basis(double x, int j) const
    {
        const double centre = m_centres[At(j)];
        if (m_type == 2)
            return KernelNorm(2) * Kernel(2, (x - centre) / m_delta);
        return IntegratedKernel(m_type, m_delta, x, centre);
    }

    const SampleGrid& m_grid;
    int m_type;
    int m_count;
    double m_delta;
    Smoothing m_smoothing;
    Vector m_nodes;
    Vector m_centres;
};

// Solves A X = B by Gauss-Jordan elimination with partial pivoting; A is
// k x k and B k x m, both row-major, and X replaces B. A is destroyed.
void SolveInPlace(Vector& a, Vector& b, int k, int m)
{
    const auto entry = [](Vector& matrix, int row, int column, int columns) -> double& {
        return matrix[At(row * columns + column)];
    };
    for (int i = 0; i < k; ++i) {
        int pivot = i;
        for (int r = i + 1; r < k; ++r)
            if (std::fabs(entry(a, r, i, k)) > std::fabs(entry(a, pivot, i, k)))
                pivot = r;
        if (pivot != i) {
            for (int c = 0; c < k; ++c)
                std::swap(entry(a, i, c, k), entry(a, pivot, c, k));
            for (int c = 0; c < m; ++c)
                std::swap(entry(b, i, c, m), entry(b, pivot, c, m));
        }
        const double diagonal = entry(a, i, i, k);
        for (int c = 0; c < k; ++c)
            entry(a, i, c, k) = entry(a, i, c, k) / diagonal;
        for (int c = 0; c < m; ++c)
            entry(b, i, c, m) = entry(b, i, c, m) / diagonal;
        for (int r = 0; r < k; ++r) {
            const double factor = entry(a, r, i, k);
            if (r == i || factor == 0.0)
                continue;
            for (int c = 0; c < k; ++c)
                entry(a, r, c, k) = entry(a, r, c, k) - factor * entry(a, i, c, k);
            for (int c = 0; c < m; ++c)
                entry(b, r, c, m) = entry(b, r, c, m) - factor * entry(b, i, c, m);
        }
    }
}

// Least squares: the residual itself at up to the run's most points, or
// smoothed by the type-1 kernel at accumulated points, fitted by the
// regularised normal equations the run builds; the fit at x is the basis at
// x times the solution.
class LeastSquaresFit : public LinearFit {
public:
    LeastSquaresFit(CSplineEngine& engine, const SampleGrid& grid)
        : m_engine(engine),
          m_grid(grid),
          m_type(engine.m_nLsqType),
          m_count(engine.m_nLsqCount),
          m_points(std::min(grid.n, engine.m_nMaxLsqSamples)),
          m_direct(grid.n <= engine.m_nMaxLsqSamples),
          m_step((grid.h - (-grid.h)) / (m_points - 1)),
          m_smoothing(grid, 1, engine.m_nWindow * grid.s)
    {
        double u = -grid.h;
        for (int j = 0; j < m_points; ++j) {
            m_abscissae.push_back(u);
            u = u + m_step;
        }
        const double spacing = (grid.h - (-grid.h)) / (m_count - 1);
        double centre = -grid.h;
        for (int k = 0; k < m_count; ++k) {
            m_centres.push_back(centre);
            centre = centre + spacing;
        }
        // The run's system and basis table; the solution for every column of
        // the table is the fit's response to each point's value.
        const Vector zeros(At(m_points));
        engine.BuildLsqSystem(m_type, m_count, m_points, zeros.data());
        Vector system(At(m_count * m_count));
        m_response.resize(At(m_count * m_points));
        for (int r = 0; r < m_count; ++r) {
            for (int c = 0; c < m_count; ++c)
                system[At(r * m_count + c)] = engine.m_dMatrix[r][c];
            for (int j = 0; j < m_points; ++j)
                m_response[At(r * m_points + j)] = engine.m_wsBasis[r][j];
        }
        SolveInPlace(system, m_response, m_count, m_points);
    }

    double Diagonal(int i) const override
    {
        if (!Inner(i, m_grid.n))
            return 0.0;
        const Vector basis = BasisAt(m_grid.x[At(i)]);
        if (m_direct)
            return Response(basis, i);
        double sum = 0.0;
        const double x = m_grid.x[At(i)] + m_grid.h;
        const double reach = m_smoothing.Reach();
        const int first = std::max(0, static_cast<int>(std::floor((x - reach) / m_step)) - 1);
        const int last = std::min(m_points - 1, static_cast<int>(std::ceil((x + reach) / m_step)) + 1);
        for (int j = first; j <= last; ++j) {
            const double weight = m_smoothing.Weight(m_abscissae[At(j)], i);
            if (weight != 0.0)
                sum = sum + weight * Response(basis, j);
        }
        return sum;
    }

    Vector Apply(const Vector& values, const std::vector<int>& at) const override
    {
        Vector coefficients(At(m_count), 0.0);
        for (int j = 0; j < m_points; ++j) {
            const double value =
                m_direct ? (Inner(j, m_grid.n) ? values[At(j)] : 0.0) : m_smoothing.Smooth(m_abscissae[At(j)], values);
            for (int k = 0; k < m_count; ++k)
                coefficients[At(k)] = coefficients[At(k)] + m_response[At(k * m_points + j)] * value;
        }
        Vector out;
        for (int i : at) {
            const Vector basis = BasisAt(m_grid.x[At(i)]);
            double sum = 0.0;
            for (int k = 0; k < m_count; ++k)
                sum = sum + basis[At(k)] * coefficients[At(k)];
            out.push_back(sum);
        }
        return out;
    }

private:
    Vector BasisAt(double x) const
    {
        Vector basis(At(m_count));
        for (int k = 0; k < m_count; ++k)
            basis[At(k)] = m_engine.LsqBasis(m_type, x - m_centres[At(k)]);
        return basis;
    }

    // The fit at the point of `basis` per unit of the value at point j.
    double Response(const Vector& basis, int j) const
    {
        double sum = 0.0;
        for (int k = 0; k < m_count; ++k)
            sum = sum + basis[At(k)] * m_response[At(k * m_points + j)];
        return sum;
    }

    const CSplineEngine& m_engine;
    const SampleGrid& m_grid;
    int m_type;
    int m_count;
    int m_points;
    bool m_direct;
    double m_step;
    Smoothing m_smoothing;
    Vector m_abscissae;
    Vector m_centres;
    Vector m_response;  // count x points: the system solved for each column of the basis table
};

// The boundary cubic fitted by least squares to the first and last samples
// moves the fit twice: directly, and through the residual it leaves. Adds
// both to the diagonal at the samples it is fitted to.
void AddFittedEnds(const SampleGrid& grid, const LinearFit& fit, Vector& diagonal)
{
    std::vector<int> fitted;
    for (int i = 0; i < grid.n; ++i)
        if (i < BoundaryFitLeftCount(grid.n) || i >= BoundaryFitRightStart(grid.n))
            fitted.push_back(i);
    const auto powers = [&grid](int i) {
        Vector v(4);
        for (int m = 0; m < 4; ++m)
            v[At(m)] = IntPower(m, grid.x[At(i)]);
        return v;
    };
    // The Gram matrix of the powers over the fitted samples, and its inverse.
    Vector gram(16, 0.0);
    for (int i : fitted) {
        const Vector v = powers(i);
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                gram[At(r * 4 + c)] = gram[At(r * 4 + c)] + v[At(r)] * v[At(c)];
    }
    Vector inverse(16, 0.0);
    for (int m = 0; m < 4; ++m)
        inverse[At(m * 4 + m)] = 1.0;
    SolveInPlace(gram, inverse, 4, 4);
    // The approximation of each power's residual, at the fitted samples.
    std::vector<Vector> smoothed;
    for (int m = 0; m < 4; ++m) {
        Vector power(At(grid.n));
        for (int i = 0; i < grid.n; ++i)
            power[At(i)] = IntPower(m, grid.x[At(i)]);
        smoothed.push_back(fit.Apply(power, fitted));
    }
    for (size_t p = 0; p < fitted.size(); ++p) {
        const int i = fitted[p];
        const Vector v = powers(i);
        double own = 0.0;
        double through = 0.0;
        for (int r = 0; r < 4; ++r) {
            double q = 0.0;  // (G^-1 v)_r: the cubic's coefficient r per unit of sample i
            for (int c = 0; c < 4; ++c)
                q = q + inverse[At(r * 4 + c)] * v[At(c)];
            own = own + v[At(r)] * q;
            through = through + smoothed[At(r)][p] * q;
        }
        diagonal[At(i)] = diagonal[At(i)] + own - through;
    }
}

}  // namespace

std::vector<double> FitDiagonal(CSplineEngine& engine, int samples, bool endsFitted)
{
    const SampleGrid grid = MakeGrid(engine, samples);
    std::unique_ptr<LinearFit> fit;
    if (engine.m_nMethod == 1)
        fit = std::make_unique<ProjectionFit>(engine, grid);
    else
        fit = std::make_unique<LeastSquaresFit>(engine, grid);
    Vector diagonal(At(samples));
    for (int i = 0; i < samples; ++i)
        diagonal[At(i)] = fit->Diagonal(i);
    if (endsFitted)
        AddFittedEnds(grid, *fit, diagonal);
    return diagonal;
}

double FitTrace(CSplineEngine& engine, int samples, bool endsFitted)
{
    double trace = 0.0;
    for (double entry : FitDiagonal(engine, samples, endsFitted))
        trace = trace + entry;
    return trace;
}

double GcvScore(double squares, double trace, int samples)
{
    const double n = samples;
    if (!(trace < n))
        return std::numeric_limits<double>::infinity();
    return n * squares / ((n - trace) * (n - trace));
}

}  // namespace spln::study
