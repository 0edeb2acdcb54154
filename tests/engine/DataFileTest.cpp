// Data files of any length: the sample file's 4501 numbers as one column,
// x and y columns in the file's own units, and resampling of uneven x.

#include "engine/CSplineEngine.h"
#include "engine/DataFile.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace spln;
using namespace spln::test;

namespace {

std::vector<double> Signal(int count)
{
    std::vector<double> y;
    for (int i = 0; i < count; ++i)
        y.push_back(std::sin(7.0 * i / (count - 1)) * 3.0 + 0.5);
    return y;
}

// The numbers k per line with the separator between them, as the sample file
// may hold them; k = 1 is one column.
std::string Arranged(const std::vector<double>& numbers, int perLine, const char* separator)
{
    const std::string column = NumbersText(numbers);  // one a line, each exact as a float
    std::string text;
    int onLine = 0;
    for (char c : column) {
        if (c != '\n') {
            text += c;
            continue;
        }
        text += ++onLine == perLine ? "\n" : separator;
        onLine %= perLine;
    }
    return text;
}

std::unique_ptr<CSplineEngine> RunOn(const std::string& path, int method, int board, int resample = 0)
{
    auto engine = MakeEngine();
    UseSampleFile(*engine, path);
    engine->m_nMethod = method;
    engine->m_nBoard = board;
    engine->m_nResample = resample;
    engine->Run();
    return engine;
}

}  // namespace

// The sample file's 4501 numbers, in any arrangement, and a column of them
// run alike to the last bit, by either method and either treatment of the ends.
TEST(DataFile, OneColumnOf4501NumbersIsTheSampleFileToTheBit)
{
    TempDir dir;
    const std::vector<double> y = Signal(kFileSamples);
    const std::string column = dir.Write("column.dat", Arranged(y, 1, ""));
    const std::string block = dir.Write("block.dat", Arranged(y, 7, " \t "));
    double largest = 0.0;  // the factor the numbers are divided by, as read in single precision
    for (const double v : y)
        largest = std::fmax(largest, std::fabs(static_cast<double>(static_cast<float>(v))));
    for (const int method : {1, 2}) {
        for (const int board : {0, 1}) {
            SCOPED_TRACE("method " + std::to_string(method) + ", board " + std::to_string(board));
            const auto a = RunOn(block, method, board);
            const auto b = RunOn(column, method, board);
            ASSERT_EQ(a->m_eFailure, RunFailure::None);
            ASSERT_EQ(b->m_eFailure, RunFailure::None);
            EXPECT_TRUE(SameBitsAt("x", a->m_dX, b->m_dX, kOutputPoints));
            EXPECT_TRUE(SameBitsAt("approx", a->m_dApprox, b->m_dApprox, kOutputPoints));
            EXPECT_TRUE(SameBitsAt("data", a->m_dData, b->m_dData, kOutputPoints));
            EXPECT_EQ(b->m_dataShown.samples, kFileSamples);
            EXPECT_EQ(b->m_dDataScale, largest);
        }
    }
}

// Two columns on [0, 10] approximate as their y column alone does; only x is
// shown in the file's units, from 0 to exactly 10.
TEST(DataFile, XyColumnsApproximateAsTheirYColumnAlone)
{
    TempDir dir;
    const int n = 2000;
    const std::vector<double> y = Signal(n);
    std::string xy = "time,value\n";
    for (int i = 0; i < n; ++i) {
        char row[80];
        std::snprintf(row, sizeof row, "%.17g, %.9g\n", 10.0 * i / (n - 1), y[static_cast<std::size_t>(i)]);
        xy += row;
    }
    const auto pair = RunOn(dir.Write("xy.csv", xy), 2, 1);
    const auto alone = RunOn(dir.Write("y.dat", NumbersText(y)), 2, 1);
    ASSERT_EQ(pair->m_eFailure, RunFailure::None) << pair->m_szFailureText;
    ASSERT_EQ(alone->m_eFailure, RunFailure::None);
    EXPECT_TRUE(SameBitsAt("approx", alone->m_dApprox, pair->m_dApprox, kOutputPoints));
    EXPECT_TRUE(SameBitsAt("data", alone->m_dData, pair->m_dData, kOutputPoints));
    EXPECT_EQ(pair->m_dX[0], 0.0);
    EXPECT_EQ(pair->m_dX[kOutputPoints - 1], 10.0);
    EXPECT_NEAR(pair->m_dX[320], 10.0 * 320 / 639, 1e-12);
    // The data shown at each output point are the sample nearest to it, from the first to the last.
    for (const int k : {0, 1, 320, kOutputPoints - 1}) {
        const auto nearest = static_cast<std::size_t>(std::lround(k * (n - 1.0) / (kOutputPoints - 1)));
        EXPECT_EQ(pair->m_dData[k], static_cast<float>(static_cast<float>(y[nearest]) / pair->m_dDataScale)) << k;
    }
    EXPECT_EQ(pair->m_dataShown.columns, 2);
    EXPECT_EQ(pair->m_dataShown.right, 10.0);
}

// Uneven x is refused unless resampling is asked for; then a straight line
// comes back as the same line at even points.
TEST(DataFile, UnevenXIsResampledOnlyWhenAskedFor)
{
    TempDir dir;
    std::string text;
    const int n = 400;
    for (int i = 0; i < n; ++i) {
        const double x = std::pow(static_cast<double>(i) / (n - 1), 1.5) * 4.0;
        char row[80];
        std::snprintf(row, sizeof row, "%.17g\t%.17g\n", x, 2.0 * x + 1.0);
        text += row;
    }
    const std::string path = dir.Write("uneven.txt", text);
    EXPECT_EQ(RunOn(path, 1, 1)->m_eFailure, RunFailure::BadData);

    std::vector<float> numbers(kFileBufferSize);
    std::vector<double> x(kMaxDataSamples + 1);
    std::vector<int> lines(kMaxDataSamples + 1), columns(kMaxDataSamples + 1);
    const DataFileReading reading =
        ReadDataFile(path.c_str(), {numbers.data(), x.data(), lines.data(), columns.data()}, true);
    ASSERT_EQ(reading.failure, RunFailure::None) << reading.message;
    EXPECT_TRUE(reading.resampled);
    EXPECT_EQ(reading.samples, n);
    for (int j = 0; j < n; ++j)
        EXPECT_NEAR(numbers[static_cast<std::size_t>(j)], 2.0 * (4.0 * j / (n - 1)) + 1.0, 1e-5) << j;
    EXPECT_EQ(RunOn(path, 1, 1, 1)->m_eFailure, RunFailure::None);
}
