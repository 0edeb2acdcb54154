// Experiment files: every setting through the text and back to the bit, and
// what only the text reader decides (the desktop's tests refuse whole files).

#include "model/ExperimentFile.h"

#include "model/SettingsRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace spln;

TEST(ExperimentFile, EverySettingReadsBackToTheSameBits)
{
    for (const SettingRange& range : kSettingRanges) {
        std::vector<double> values = {range.min, range.max};
        if (range.kind == SettingKind::Real) {
            for (const double v : {1.0 / 3.0, 0.1 + 0.2, -0.0, std::numeric_limits<double>::denorm_min(), 1e-300,
                                   std::nextafter(range.max, 0.0), -2.0 / 3.0})
                if (range.Contains(v))
                    values.push_back(v);
        }
        for (const double value : values) {
            CSplnSettings settings = DefaultSettings();
            SetSetting(settings, range.id, value);
            const std::string text = FormatExperiment(settings);
            const ExperimentRead read = ParseExperiment(text, CSplnSettings{});
            ASSERT_EQ(read.status, ExperimentStatus::Settings) << text << read.message;
            EXPECT_TRUE(SameSettings(read.settings, settings)) << text;
        }
    }
    CSplnSettings settings = DefaultSettings();
    settings.m_nMethod = 1;
    settings.m_dAmplitude = 0.05;
    const std::string text = FormatExperiment(settings);
    EXPECT_EQ(text.rfind("Spln experiment 1\nsource = example\nexample = 1\namplitude = 0.05\n", 0), 0u) << text;
    EXPECT_NE(text.find("\nmethod = lsq\n"), std::string::npos) << text;
}

TEST(ExperimentFile, HandWrittenTextHoldsOnlyWhatItChanges)
{
    const std::string text = "Spln experiment 1\r\n# Runge\r\n\n  example\t=  3 \r\n   # next\nmethod=1";
    const ExperimentRead read = ParseExperiment(text, DefaultSettings());
    ASSERT_EQ(read.status, ExperimentStatus::Settings) << read.message;
    CSplnSettings expected = DefaultSettings();
    expected.m_nExample = 3;
    expected.m_nMethod = 1;
    EXPECT_TRUE(SameSettings(read.settings, expected));
    EXPECT_EQ(ParseExperiment("", DefaultSettings()).status, ExperimentStatus::Empty);

    const struct {
        std::string text;
        int line;
        std::string message;
    } bad[] = {
        {"Spln experiment 2\nexample = 3\n", 1, "the file is in version 2 of the experiment format"},
        {"Spln experiment 1\nexample = 3.0\n", 2, "example = 3.0: Please enter an integer."},
        {"Spln experiment 1\namplitude =\n", 2, "amplitude = : Please enter a number."},
        {"Spln experiment 1\nleft-deriv = -1e400\n", 2,
         "left-deriv = -1e400: Please enter a number between -10 and 10."},
        {"Spln experiment 1\nmethod = spline\n", 2, "method = spline: Please enter schwarz or lsq."},
        {"Spln experiment 1\nsource = file\nwindow = 451\n", 3, kWindowCheckMessage},
        {"Spln experiment 1\nwindow = 11\nsamples = 100\n", 2, kWindowCheckMessage},
    };
    for (const auto& c : bad) {
        const ExperimentRead fault = ParseExperiment(c.text, DefaultSettings());
        ASSERT_EQ(fault.status, ExperimentStatus::Fault) << c.text;
        EXPECT_EQ(fault.line, c.line) << c.text;
        EXPECT_EQ(fault.message.rfind(c.message, 0), 0u) << fault.message;
    }
}

// Editors that mark UTF-8 files put the mark before the first line; anywhere
// else it is text of its line.
TEST(ExperimentFile, AByteOrderMarkBeforeTheFirstLineIsSkipped)
{
    const std::string mark = "\xEF\xBB\xBF";
    const ExperimentRead read = ParseExperiment(mark + "Spln experiment 1\nexample = 3\n", DefaultSettings());
    ASSERT_EQ(read.status, ExperimentStatus::Settings) << read.message;
    EXPECT_EQ(read.settings.m_nExample, 3);
    EXPECT_EQ(ParseExperiment(mark, DefaultSettings()).status, ExperimentStatus::Empty);
    const ExperimentRead inside = ParseExperiment("Spln experiment 1\n" + mark + "example = 3\n", DefaultSettings());
    EXPECT_EQ(inside.status, ExperimentStatus::Fault);
    EXPECT_EQ(inside.line, 2);
}
