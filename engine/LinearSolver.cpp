// Dense Gauss-Jordan elimination on the engine's system, and the cubic
// polynomial the boundary fit produces.

#include "engine/CSplineEngine.h"
#include "engine/Kernels.h"

#include <cmath>
#include <utility>

// Solves the n x n system in m_dMatrix and m_dVector (n in 1..51) with partial
// pivoting and copies the solution into out. The matrix is left destroyed.
// A zero pivot is not detected: the division then spreads non-finite values
// into the solution.
void CSplineEngine::Solve(int n, double* out)
{
    double* b = m_dVector;
    for (int i = 0; i < n; ++i) {
        // The first row with the strictly largest magnitude wins; a NaN never does.
        int p = i;
        double best = std::fabs(m_dMatrix[i][i]);
        for (int j = i + 1; j < n; ++j) {
            if (std::fabs(m_dMatrix[j][i]) > best) {
                p = j;
                best = std::fabs(m_dMatrix[j][i]);
            }
        }
        if (p != i) {
            // Columns left of i are already eliminated in both rows.
            for (int k = i; k < n; ++k)
                std::swap(m_dMatrix[i][k], m_dMatrix[p][k]);
            std::swap(b[i], b[p]);
        }

        double* pivotRow = m_dMatrix[i];
        const double pivot = pivotRow[i];
        for (int k = i + 1; k < n; ++k)
            pivotRow[k] = pivotRow[k] / pivot;
        b[i] = b[i] / pivot;

        for (int k = 0; k < n; ++k) {
            if (k == i)
                continue;
            double* row = m_dMatrix[k];
            const double factor = row[i];
            for (int m = i + 1; m < n; ++m)
                row[m] = row[m] - factor * pivotRow[m];
            b[k] = b[k] - b[i] * factor;
        }
    }
    for (int i = 0; i < n; ++i)
        out[i] = b[i];
}

double CSplineEngine::Cubic(double x, const double* e) const
{
    double sum = 0.0;
    for (int i = 0; i < 4; ++i)
        sum = sum + spln::IntPower(i, x) * e[i];
    return sum;
}
