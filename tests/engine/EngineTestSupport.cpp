// Shared helpers of the engine tests.

#include "tests/engine/EngineTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace spln::test {

std::unique_ptr<CSplineEngine> MakeEngine()
{
    return std::make_unique<CSplineEngine>();
}

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "spln-engine-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary directory");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& text) const
{
    const std::string path = m_path + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out << text;
    return path;
}

std::string NumbersText(const std::vector<double>& numbers)
{
    std::string text;
    char buffer[64];
    for (double v : numbers) {
        std::snprintf(buffer, sizeof buffer, "%.9g\n", v);
        text += buffer;
    }
    return text;
}

void UseSampleFile(CSplineEngine& engine, const std::string& path)
{
    engine.m_nSource = 1;
    std::snprintf(engine.m_szDataPath, sizeof engine.m_szDataPath, "%s", path.c_str());
}

ResultSnapshot ResultSnapshot::Of(const CSplineEngine& engine)
{
    ResultSnapshot s;
    s.x.assign(engine.m_dX, engine.m_dX + kMaxSamples);
    s.approx.assign(engine.m_dApprox, engine.m_dApprox + kMaxSamples);
    s.data.assign(engine.m_dData, engine.m_dData + kMaxSamples);
    s.exact.assign(engine.m_dExact, engine.m_dExact + kMaxSamples);
    s.count = engine.m_nResultCount;
    s.report = engine.m_szReport;
    return s;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

::testing::AssertionResult SameBitsAt(const char* what, const double* expected, const double* actual, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!SameBits(expected[i], actual[i])) {
            char text[160];
            std::snprintf(text, sizeof text, "%s differs first at point %d: expected %.17g (%a), got %.17g (%a)", what,
                          i, expected[i], expected[i], actual[i], actual[i]);
            return ::testing::AssertionFailure() << text;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace spln::test
