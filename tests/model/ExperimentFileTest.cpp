// Experiment files: every setting through the text and back to the bit, and
// each kind of bad file answered with its line and message.

#include "model/ExperimentFile.h"

#include "model/SettingsRecord.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

using namespace spln;

namespace {

CSplnSettings Defaults() { return DefaultSettings(); }

std::string Header() { return std::string(kExperimentHeader) + "\n"; }

}  // namespace

TEST(ExperimentFile, EverySettingReadsBackToTheSameBits)
{
    struct Case {
        const char* name;
        void (*set)(CSplnSettings&);
        const char* line;  // as written, empty when only the bits matter
    };
    const Case cases[] = {
        {"source example", [](CSplnSettings& s) { s.m_nSource = 0; }, "source = example"},
        {"source file", [](CSplnSettings& s) { s.m_nSource = 1; }, "source = file"},
        {"board given", [](CSplnSettings& s) { s.m_nBoard = 0; }, "board = given"},
        {"board estimate", [](CSplnSettings& s) { s.m_nBoard = 1; }, "board = estimate"},
        {"method schwarz", [](CSplnSettings& s) { s.m_nMethod = 0; }, "method = schwarz"},
        {"method lsq", [](CSplnSettings& s) { s.m_nMethod = 1; }, "method = lsq"},
        {"whole numbers at their bounds",
         [](CSplnSettings& s) {
             s.m_nExample = 11;
             s.m_nFileLength = 100;
             s.m_nLeftMargin = 1;
             s.m_nRightMargin = 250;
             s.m_nWindow = 10;
             s.m_nSchwarzType = 4;
             s.m_nSchwarzCount = 501;
             s.m_nLsqType = 1;
             s.m_nLsqCount = 51;
         },
         "schwarz-count = 501"},
        {"shortest text", [](CSplnSettings& s) { s.m_dAmplitude = 0.05; }, "amplitude = 0.05"},
        {"thirds and tenths",
         [](CSplnSettings& s) {
             s.m_dAmplitude = 0.1 + 0.2;
             s.m_dLeftValue = 1.0 / 3.0;
             s.m_dRightValue = -2.0 / 3.0;
             s.m_dLeftDeriv = -10.0;
             s.m_dRightDeriv = std::nextafter(10.0, 0.0);
         },
         "amplitude = 0.30000000000000004"},
        {"tiny and signed zero",
         [](CSplnSettings& s) {
             s.m_dAmplitude = std::numeric_limits<double>::denorm_min();
             s.m_dLeftValue = -0.0;
             s.m_dRightValue = 1e-300;
             s.m_dLeftDeriv = 9.999999999999998;
         },
         "left-value = -0"},
    };
    for (const Case& c : cases) {
        CSplnSettings settings = Defaults();
        c.set(settings);
        const std::string text = FormatExperiment(settings);
        EXPECT_EQ(text.rfind(Header(), 0), 0u) << c.name;
        if (*c.line) {
            EXPECT_NE(text.find(std::string("\n") + c.line + "\n"), std::string::npos) << c.name << "\n" << text;
        }

        const ExperimentRead read = ParseExperiment(text, CSplnSettings{});
        ASSERT_EQ(read.status, ExperimentStatus::Settings) << c.name << ": " << read.message;
        EXPECT_TRUE(SameSettings(read.settings, settings)) << c.name << "\n" << text;
        EXPECT_EQ(FormatExperiment(read.settings), text) << c.name;
    }
}

TEST(ExperimentFile, HandWrittenFilesMayHoldOnlyWhatTheyChange)
{
    const std::string text = Header() + "# noise on Runge's bump\r\n\n  example\t=  3 \r\n   # method next\nmethod=lsq\n";
    const ExperimentRead read = ParseExperiment(text, Defaults());
    ASSERT_EQ(read.status, ExperimentStatus::Settings) << read.message;
    CSplnSettings expected = Defaults();
    expected.m_nExample = 3;
    expected.m_nMethod = 1;
    EXPECT_TRUE(SameSettings(read.settings, expected));

    EXPECT_EQ(ParseExperiment("", Defaults()).status, ExperimentStatus::Empty);
    EXPECT_EQ(ParseExperiment(Header(), Defaults()).status, ExperimentStatus::Settings);
}

TEST(ExperimentFile, BadTextIsRefusedWithItsLineAndWhatIsWrong)
{
    struct Case {
        std::string text;
        int line;
        const char* message;
    };
    const std::string h = Header();
    const Case cases[] = {
        {"Spln experiment\n", 1, "its first line must be \"Spln experiment 1\""},
        {"example = 3\n", 1, "not a Spln experiment file"},
        {"Spln experiment 2\nexample = 3\n", 1, "version 2"},
        {std::string("Spln\0experiment 1\n", 18), 1, "the byte 0x00"},
        {h + "example = 3\n\x01\x02\x03\n", 3, "0x01"},
        {h + "example 3\n", 2, "\"example 3\" is not a setting; write it as name = value."},
        {h + "exampel = 3\n", 2, "\"exampel\" is not the name of a setting."},
        {h + "example = 3\n# again\nexample = 4\n", 4, "\"example\" is given twice (first on line 2)."},
        {h + "example = three\n", 2, "example = three: Please enter an integer."},
        {h + "example = 3.0\n", 2, "Please enter an integer."},
        {h + "amplitude = 0,05\n", 2, "amplitude = 0,05: Please enter a number."},
        {h + "amplitude = nan\n", 2, "Please enter a number."},
        {h + "amplitude =\n", 2, "Please enter a number."},
        {h + "method = 2\n", 2, "method = 2: Please enter schwarz or lsq."},
        {h + "example = 12\n", 2, "example = 12: Please enter an integer between 1 and 11."},
        {h + "samples = 99999999999\n", 2, "Please enter an integer between 100 and 10000."},
        {h + "amplitude = 0.6\n", 2, "amplitude = 0.6: Please enter a number between 0 and 0.5."},
        {h + "left-deriv = -1e400\n", 2, "Please enter a number between -10 and 10."},
        {h + "samples = 100\nwindow = 11\n", 3, kWindowCheckMessage},
        {h + "window = 11\nsamples = 100\n", 2, kWindowCheckMessage},
        {h + "source = file\nwindow = 451\n", 3, kWindowCheckMessage},
    };
    for (const Case& c : cases) {
        const ExperimentRead read = ParseExperiment(c.text, Defaults());
        ASSERT_EQ(read.status, ExperimentStatus::Fault) << c.text;
        EXPECT_EQ(read.line, c.line) << c.text;
        EXPECT_NE(read.message.find(c.message), std::string::npos) << c.text << "\n" << read.message;
    }
    const ExperimentRead read = ParseExperiment(h + "example = 12\n", Defaults());
    EXPECT_EQ(DescribeExperimentFault("study.spl", read),
              "study.spl, line 2: example = 12: Please enter an integer between 1 and 11.");
}

TEST(ExperimentFile, FilesThatCannotBeReadAreFaultsOfTheWholeFile)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("spln-experiment-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string huge = (folder / "huge.spl").string();
    {
        // 100 MB of header and nothing else, as a file of holes: refused
        // from its size before any of it is read.
        std::FILE* file = std::fopen(huge.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("Spln experiment 1\n", file);
        std::fclose(file);
        std::filesystem::resize_file(huge, 100u << 20);
    }
    struct Case {
        std::string path;
        const char* message;
    };
    const Case cases[] = {
        {(folder / "missing.spl").string(), "cannot be opened: No such file or directory"},
        {folder.string(), "this is a folder"},
        {huge, "104857600 bytes long"},
    };
    for (const Case& c : cases) {
        const ExperimentRead read = ReadExperimentFile(c.path, Defaults());
        ASSERT_EQ(read.status, ExperimentStatus::Fault) << c.path;
        EXPECT_EQ(read.line, 0);
        EXPECT_EQ(DescribeExperimentFault(c.path, read).rfind(c.path + ": ", 0), 0u);
        EXPECT_NE(read.message.find(c.message), std::string::npos) << read.message;
    }
    std::filesystem::remove_all(folder);
}
