// The toolkit-free half of the document: captions, plot arrays and the exact curve.

#include "model/SplnDocData.h"

#include <filesystem>

#include "model/DocFunctions.h"

#include "engine/CSplineEngine.h"

#include <cstddef>

namespace {

constexpr double kIntervalLength = 2.0;  // length of [-1, 1]

}  // namespace

CSplnDocData::CSplnDocData()
{
    for (int i = 0; i < spln::doc::kFunctionCount; ++i)
        m_strCaptions[i] = spln::doc::Caption(i);
}

std::string CSplnDocData::PictureTitle() const
{
    if (m_nSource == spln::kSourceFile && !m_strDataPath.empty())
        return "Data: " + std::filesystem::path(m_strDataPath).filename().string();
    if (m_nSource == spln::kSourceFile)
        return "Data";
    if (m_nSource == spln::kSourceFormula)
        return "f(x) = " + std::string(m_szFormula);
    return m_strCaption;
}

void CSplnDocData::SetUpForAcceptedRun()
{
    m_nCount = spln::kOutputPoints;
    ResizeArrays(m_nCount);
    m_dLength = kIntervalLength;
    m_strCaption = m_strCaptions[m_nExample - 1];
    m_nFuncIndex = m_nExample - 1;
}

void CSplnDocData::ResizeArrays(int count)
{
    const std::size_t size = count > 0 ? static_cast<std::size_t>(count) : 0;
    m_arrX.resize(size, 0.0);
    m_arrY.resize(size, 0.0);
    if (size == 0) {
        m_arrX.shrink_to_fit();
        m_arrY.shrink_to_fit();
    }
}

void CSplnDocData::FillExactCurve()
{
    const int n = m_nCount;
    if (n <= 0)
        return;
    const std::size_t size = static_cast<std::size_t>(n);
    if (m_arrX.size() < size)
        m_arrX.resize(size, 0.0);
    if (m_arrY.size() < size)
        m_arrY.resize(size, 0.0);

    // A single point needs no step (and must not divide by zero).
    const double step = n > 1 ? m_dLength / (n - 1) : 0.0;
    double x = -1.0;
    for (std::size_t i = 0; i < size; ++i) {
        m_arrX[i] = x;
        m_arrY[i] = spln::doc::Evaluate(m_nFuncIndex, x);
        x = x + step;
    }
}
