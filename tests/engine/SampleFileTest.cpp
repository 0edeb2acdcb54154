// Reading the sample file: counts, number forms and faults.

#include "engine/CSplineEngine.h"
#include "engine/RunFailure.h"
#include "engine/SampleFile.h"
#include "io/InputFile.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using namespace spln;
using namespace spln::test;

namespace {

RunFailure Parse(const std::string& text, float& value)
{
    return ParseSampleNumber(text.data(), static_cast<int>(text.size()), value);
}

std::vector<double> Ramp(int count)
{
    std::vector<double> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(std::sin(0.01 * i) * 2.5);
    return numbers;
}

class SampleFileRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine = MakeEngine();
        engine->Run();  // built-in results that a failing file run must leave alone
        before = ResultSnapshot::Of(*engine);
    }

    void RunOn(const std::string& text)
    {
        path = dir.Write("sig.dat", text);
        UseSampleFile(*engine, path);
        engine->Run();
    }

    void ExpectFailure(RunFailure failure, int detail)
    {
        EXPECT_EQ(engine->m_eFailure, failure);
        EXPECT_EQ(engine->m_nFailureDetail, detail);
        EXPECT_STREQ(engine->m_szFailurePath, path.c_str());
        EXPECT_TRUE(ResultSnapshot::Of(*engine) == before) << "a failed run changed the results";
    }

    TempDir dir;
    std::unique_ptr<CSplineEngine> engine;
    ResultSnapshot before;
    std::string path;
};

}  // namespace

TEST(SampleNumberSyntax, AcceptedForms)
{
    float v = 0;
    struct Case {
        const char* text;
        float value;
    };
    for (const Case c : {Case{"1", 1.0f}, Case{"-1.5", -1.5f}, Case{"+.5", 0.5f}, Case{"1.", 1.0f}, Case{"1e5", 1e5f},
                         Case{"2.5E-3", 2.5e-3f}, Case{"-7e+2", -700.0f}, Case{"0.1", 0.1f},
                         Case{"16777217", 16777216.0f}, Case{"3.4028235e38", 3.4028235e38f}, Case{"007", 7.0f}}) {
        ASSERT_EQ(Parse(c.text, v), RunFailure::None) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(SampleNumberSyntax, RejectedForms)
{
    float v = 0;
    for (const char* text : {"+", "-", ".", "e5", "1e", "1e+", "1.5abc", "0x10", "inf", "nan", "1,5", "--1", "1..2",
                             ".e1", "1e5.0", "+-3"})
        EXPECT_EQ(Parse(text, v), RunFailure::NotANumber) << text;
}

TEST(SampleNumberSyntax, MagnitudesBeyondSinglePrecision)
{
    float v = 1;
    EXPECT_EQ(Parse("1e39", v), RunFailure::NumberOutOfRange);
    EXPECT_EQ(Parse("-0.0001e43", v), RunFailure::NumberOutOfRange);
    EXPECT_EQ(Parse("1e999999999999", v), RunFailure::NumberOutOfRange);
    ASSERT_EQ(Parse("1e-50", v), RunFailure::None);
    EXPECT_EQ(v, 0.0f);
    ASSERT_EQ(Parse("-12345e-99999", v), RunFailure::None);
    EXPECT_EQ(v, 0.0f);
    EXPECT_TRUE(std::signbit(v));
    ASSERT_EQ(Parse("1e-45", v), RunFailure::None);
    EXPECT_GT(v, 0.0f);
}

TEST(SampleFileReader, SeparatorsAndChunkBoundaries)
{
    TempDir dir;
    // Padding puts a number across the reader's 16 KiB chunk boundary.
    std::string text = "1\t2\r\n  3\n\n";
    text += std::string(16384 - 2 - text.size(), ' ');
    text += "123.25 -4";  // no final line break
    const std::string path = dir.Write("numbers", text);
    float numbers[8] = {};
    const SampleFileReading r = ReadSampleNumbers(path.c_str(), numbers, 8);
    ASSERT_EQ(r.failure, RunFailure::None);
    ASSERT_EQ(r.count, 5);
    EXPECT_EQ(numbers[2], 3.0f);
    EXPECT_EQ(numbers[3], 123.25f);
    EXPECT_EQ(numbers[4], -4.0f);
}

TEST(SampleFileReader, NeverStoresBeyondItsCapacity)
{
    TempDir dir;
    const std::string path = dir.Write("numbers", NumbersText(Ramp(20)));
    float numbers[12];
    numbers[10] = 77.0f;
    numbers[11] = 78.0f;
    const SampleFileReading r = ReadSampleNumbers(path.c_str(), numbers, 10);
    EXPECT_EQ(r.failure, RunFailure::None);
    EXPECT_EQ(r.count, 20);
    EXPECT_EQ(numbers[10], 77.0f);
    EXPECT_EQ(numbers[11], 78.0f);
}

TEST(SampleFileReader, StopsAtTextAndTooLongTokens)
{
    TempDir dir;
    float numbers[4];
    SampleFileReading r = ReadSampleNumbers(dir.Write("a", "1 2 three 4").c_str(), numbers, 4);
    EXPECT_EQ(r.failure, RunFailure::NotANumber);
    EXPECT_EQ(r.detail, 3);
    r = ReadSampleNumbers(dir.Write("b", "1 " + std::string(600, '1')).c_str(), numbers, 4);
    EXPECT_EQ(r.failure, RunFailure::NotANumber);
    EXPECT_EQ(r.detail, 2);
    r = ReadSampleNumbers(dir.Write("c", "").c_str(), numbers, 4);
    EXPECT_EQ(r.failure, RunFailure::None);
    EXPECT_EQ(r.count, 0);
    r = ReadSampleNumbers(dir.Path().c_str(), numbers, 4);
    EXPECT_EQ(r.failure, RunFailure::FileMissing);
    EXPECT_EQ(r.detail, EISDIR);
}

TEST(SampleFileReader, ByteOrderMarkAndEndlessStreams)
{
    TempDir dir;
    float numbers[4] = {};
    struct Case {
        const char* what;
        std::string text;
        RunFailure failure;
        int detail;
        int count;
    };
    const std::string bom = "\xEF\xBB\xBF";
    const Case cases[] = {
        {"mark at the start", bom + "1.5 2\r\n", RunFailure::None, 0, 2},
        {"mark alone", bom, RunFailure::None, 0, 0},
        {"mark after a space", " " + bom + "1", RunFailure::NotANumber, 1, 0},
        {"second mark", bom + bom + "1", RunFailure::NotANumber, 1, 0},
        {"part of a mark",
         "\xEF\xBB"
         "1",
         RunFailure::NotANumber, 1, 0},
        {"NUL bytes", std::string(600, '\0'), RunFailure::NotANumber, 1, 0},
        {"at the size limit", "1 2" + std::string(995, ' '), RunFailure::None, 0, 2},
        {"past the size limit", "1 2" + std::string(996, ' '), RunFailure::TooLarge, 0, 0},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write("numbers", c.text);
        const SampleFileReading r = ReadSampleNumbers(path.c_str(), numbers, 4, 998);
        EXPECT_EQ(r.failure, c.failure) << c.what;
        EXPECT_EQ(r.detail, c.detail) << c.what;
        if (c.failure == RunFailure::None) {
            EXPECT_EQ(r.count, c.count) << c.what;
        }
    }
    EXPECT_EQ(numbers[0], 1.0f);

    // A device is refused unread, endless or not.
    const SampleFileReading zero = ReadSampleNumbers("/dev/zero", numbers, 4);
    EXPECT_EQ(zero.failure, RunFailure::NotAFile);
    EXPECT_EQ(zero.detail, static_cast<int>(spln::InputKind::Device));
}

TEST(SampleFileReader, NormalisationByLargestMagnitude)
{
    float positive[3] = {0.5f, 2.0f, 1.5f};
    ASSERT_TRUE(NormaliseByLargestMagnitude(positive, 3));
    EXPECT_EQ(positive[1], 1.0f);
    EXPECT_EQ(positive[0], 0.25f);

    float negative[3] = {1.0f, -3.0f, 0.3f};
    ASSERT_TRUE(NormaliseByLargestMagnitude(negative, 3));
    EXPECT_EQ(negative[1], -1.0f);
    EXPECT_EQ(negative[2], static_cast<float>(0.3f / 3.0));

    float zeros[3] = {0.0f, -0.0f, 0.0f};
    EXPECT_FALSE(NormaliseByLargestMagnitude(zeros, 3));
    EXPECT_EQ(zeros[0], 0.0f);
}

TEST(SampleFilePath, DefaultsToSigDatInTheCurrentDirectory)
{
    char out[kPathSize];
    char cwd[kPathSize];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ResolveSampleFilePath("", out, kPathSize);
    EXPECT_EQ(std::string(out), std::string(cwd) + "/sig.dat");
    ResolveSampleFilePath("/data/other.txt", out, kPathSize);
    EXPECT_STREQ(out, "/data/other.txt");
}

TEST_F(SampleFileRun, WrongCounts)
{
    // One column holds from 100 to 10000 numbers; the sample file's 4501 are one such count.
    RunOn(NumbersText(Ramp(99)));
    ExpectFailure(RunFailure::WrongCount, 99);
    EXPECT_EQ(DescribeRunFailure(*engine).substr(path.size()), ":100:1: expected from 100 to 10000 numbers, found 99.");
    RunOn(NumbersText(Ramp(10001)));
    ExpectFailure(RunFailure::WrongCount, 10001);
    RunOn(NumbersText(Ramp(30000)));
    ExpectFailure(RunFailure::WrongCount, 30000);
}

TEST_F(SampleFileRun, MissingFile)
{
    path = dir.Path() + "/absent.dat";
    UseSampleFile(*engine, path);
    engine->Run();
    ExpectFailure(RunFailure::FileMissing, ENOENT);
    EXPECT_NE(DescribeRunFailure(*engine).find("could not be opened"), std::string::npos);
}

TEST_F(SampleFileRun, TextThatIsNotANumber)
{
    std::string text = NumbersText(Ramp(100)) + "12x\n" + NumbersText(Ramp(4400));
    RunOn(text);
    ExpectFailure(RunFailure::NotANumber, 101);
    EXPECT_NE(DescribeRunFailure(*engine).find("item 101"), std::string::npos);
}

TEST_F(SampleFileRun, NumberTooLarge)
{
    RunOn("1 2 5e40 " + NumbersText(Ramp(4498)));
    ExpectFailure(RunFailure::NumberOutOfRange, 3);
}

TEST_F(SampleFileRun, AllZero)
{
    RunOn(NumbersText(std::vector<double>(4501, 0.0)));
    ExpectFailure(RunFailure::AllZero, 0);
    EXPECT_NE(DescribeRunFailure(*engine).find("only zeros"), std::string::npos);
}

TEST_F(SampleFileRun, CompletedRunClearsTheFailure)
{
    RunOn(NumbersText(Ramp(99)));
    ASSERT_EQ(engine->m_eFailure, RunFailure::WrongCount);
    RunOn(NumbersText(Ramp(4501)));
    EXPECT_EQ(engine->m_eFailure, RunFailure::None);
    EXPECT_EQ(DescribeRunFailure(*engine), "");
    EXPECT_EQ(engine->m_nResultCount, 640);
    // The file run leaves the exact curve and the report of the built-in run.
    EXPECT_EQ(std::string(engine->m_szReport), before.report);
    EXPECT_TRUE(std::vector<double>(engine->m_dExact, engine->m_dExact + kMaxSamples) == before.exact);
}

TEST_F(SampleFileRun, DataShowEverySeventhNormalisedSample)
{
    std::vector<double> numbers = Ramp(4501);
    numbers[7] = 4.0;  // largest magnitude: becomes exactly 1
    numbers[14] = -2.0;
    RunOn(NumbersText(numbers));
    ASSERT_EQ(engine->m_eFailure, RunFailure::None);
    EXPECT_EQ(engine->m_dData[1], 1.0);
    EXPECT_EQ(engine->m_dData[2], -0.5);
    EXPECT_EQ(engine->m_dData[639], static_cast<float>(static_cast<float>(numbers[4473]) / 4.0));

    numbers[7] = -3.0;  // a negative largest magnitude becomes -1
    RunOn(NumbersText(numbers));
    EXPECT_EQ(engine->m_dData[1], -1.0);
}

TEST_F(SampleFileRun, NoMoreOutputPointsThanSamples)
{
    // A built-in run fills the workspace far beyond the file's samples first.
    engine->m_nPoints = kMaxSamples;
    engine->Run();
    std::vector<double> numbers = Ramp(4501);
    numbers[0] = 4.0;
    engine->m_nPoints = kFileSamples + 1;
    RunOn(NumbersText(numbers));
    EXPECT_EQ(engine->m_eFailure, RunFailure::BadSettings);
    engine->m_nPoints = kFileSamples;
    RunOn(NumbersText(numbers));
    ASSERT_EQ(engine->m_eFailure, RunFailure::None);
    EXPECT_EQ(engine->m_dData[kFileSamples - 1], static_cast<float>(static_cast<float>(numbers[4500]) / 4.0));
}

TEST(SampleFileDefaultPath, ReadsSigDatFromTheWorkingDirectory)
{
    TempDir dir;
    dir.Write("sig.dat", NumbersText(Ramp(99)));
    char cwd[kPathSize];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    auto engine = MakeEngine();
    engine->m_nSource = 1;
    engine->Run();
    ASSERT_EQ(chdir(cwd), 0);
    EXPECT_EQ(engine->m_eFailure, RunFailure::WrongCount);
    char resolved[kPathSize];
    ASSERT_NE(realpath(dir.Path().c_str(), resolved), nullptr);
    EXPECT_EQ(std::string(engine->m_szFailurePath), std::string(resolved) + "/sig.dat");
}
