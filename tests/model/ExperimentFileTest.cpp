// Experiment files: every setting through the text and back to the bit,
// hand-written files, and every fault a file can have, with its line and message.

#include "model/ExperimentFile.h"

#include "model/KeptApproximations.h"
#include "model/SettingsRecord.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
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
            SetSettingText(settings, kSettingFormula, "x^2");  // a formula that is the source must run
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
}

// Without a seed a file is written as before seeds existed, and such a file
// reads as seed 0; a seed is one more line at the end.
TEST(ExperimentFile, TheNoiseSeedIsWrittenOnlyWhenSet)
{
    const std::string unseeded =
        "Spln experiment 1\nsource = example\nexample = 1\namplitude = 0\nsamples = 10000\nboard = estimate\n"
        "left-value = 0\nright-value = 0\nleft-deriv = 0\nright-deriv = 0\nleft-margin = 250\n"
        "right-margin = 250\nmethod = schwarz\nwindow = 1\nschwarz-type = 1\nschwarz-count = 51\n"
        "lsq-type = 5\nlsq-count = 35\n";
    CSplnSettings settings = DefaultSettings();
    EXPECT_EQ(FormatExperiment(settings), unseeded);
    EXPECT_EQ(ParseExperiment(unseeded, DefaultSettings()).settings.m_nNoiseSeed, 0);

    settings.m_nNoiseSeed = 2147483647;
    EXPECT_EQ(FormatExperiment(settings), unseeded + "noise-seed = 2147483647\n");
    const ExperimentRead read = ParseExperiment(FormatExperiment(settings), DefaultSettings());
    EXPECT_EQ(read.settings.m_nNoiseSeed, 2147483647);
    const ExperimentRead negative = ParseExperiment("Spln experiment 1\nnoise-seed = -1\n", DefaultSettings());
    EXPECT_EQ(negative.status, ExperimentStatus::Fault);
    EXPECT_EQ(negative.line, 2);
    EXPECT_EQ(negative.message, "noise-seed = -1: Please enter an integer between 0 and 2147483647.");
}

// Kept approximations follow the settings, each with the settings in which it
// differs from the file's; a file without them is written as before.
TEST(ExperimentFile, KeptApproximationsReadBackAfterTheSettings)
{
    CSplnSettings settings = DefaultSettings();
    settings.m_dAmplitude = 0.1;
    settings.m_nNoiseSeed = 7;
    std::vector<KeptSettings> kept(3, {settings, {}, true});
    kept[0].settings.m_nMethod = 1;
    kept[0].settings.m_nLsqCount = 51;
    kept[1].ownName = "wide \"window\"";
    kept[1].shown = false;
    kept[1].settings.m_nWindow = 8;
    kept[1].settings.m_dAmplitude = 1.0 / 3.0;
    kept[2].settings.m_nNoiseSeed = 0;

    const std::string text = FormatExperiment(settings, kept);
    EXPECT_EQ(text.rfind(FormatExperiment(settings), 0), 0u);
    EXPECT_NE(text.find("\n[kept]\nname = \"wide \"window\"\"\nshown = no\namplitude = 0.3333333333333333\n"
                        "window = 8\n[kept]\n"),
              std::string::npos)
        << text;
    const ExperimentRead read = ParseExperiment(text, CSplnSettings{});
    ASSERT_EQ(read.status, ExperimentStatus::Settings) << read.message;
    EXPECT_TRUE(SameSettings(read.settings, settings));
    ASSERT_EQ(read.kept.size(), kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
        EXPECT_TRUE(SameSettings(read.kept[k].settings, kept[k].settings)) << k;
        EXPECT_EQ(read.kept[k].ownName, kept[k].ownName) << k;
        EXPECT_EQ(read.kept[k].shown, kept[k].shown) << k;
    }
    EXPECT_TRUE(ParseExperiment(FormatExperiment(settings), DefaultSettings()).kept.empty());

    // A name cannot break its line, and no more are read than can be kept.
    kept.assign(1, {settings, "two\nlines", true});
    EXPECT_EQ(ParseExperiment(FormatExperiment(settings, kept), DefaultSettings()).kept.at(0).ownName, "two lines");
    std::string many = "Spln experiment 1\n";
    for (int k = 0; k <= kMaxKept; ++k)
        many += "[kept]\n";
    const ExperimentRead tooMany = ParseExperiment(many, DefaultSettings());
    EXPECT_EQ(tooMany.status, ExperimentStatus::Fault);
    EXPECT_EQ(tooMany.line, kMaxKept + 2);
}

// Every fault names its line (0: the file as a whole) and says what is wrong
// in the settings dialog's words; nothing of a refused file is taken.
TEST(ExperimentFile, FaultsNameTheLineAndWhatIsWrong)
{
    const std::string header = std::string(kExperimentHeader) + "\n";
    const std::string huge = header + std::string(kMaxExperimentFileSize, '#');
    const struct {
        const char* name;
        std::string text;  // written as the file; empty: no file, or a folder for "folder"
        int line;
        std::string message;
    } cases[] = {
        {"wrong-header", "Spln settings\nexample = 2\n", 1,
         "this is not a Spln experiment file: its first line must be \"Spln experiment 1\"."},
        {"other-version", "Spln experiment 2\nexample = 3\n", 1,
         "the file is in version 2 of the experiment format; this Spln reads \"Spln experiment 1\"."},
        {"picture", std::string("\x89PNG\r\n\x1a\n\0\0", 10), 1,
         "this is not a Spln experiment file: its first line must be \"Spln experiment 1\"."},
        {"control-byte", header + "example = 3\x01\n", 2,
         "the line holds the byte 0x01, which is not text; this is not a Spln experiment file."},
        {"no-equals", header + "example 3\n", 2, "\"example 3\" is not a setting; write it as name = value."},
        {"unknown", header + "colour = red\n", 2, "\"colour\" is not the name of a setting."},
        {"repeated", header + "example = 2\n\nexample = 4\n", 4, "\"example\" is given twice (first on line 2)."},
        {"not-integer", header + "example = 3.0\n", 2, "example = 3.0: Please enter an integer."},
        {"not-number", header + "amplitude = a lot\n", 2, "amplitude = a lot: Please enter a number."},
        {"empty-value", header + "amplitude =\n", 2, "amplitude = : Please enter a number."},
        {"integer-range", header + "window = 501\n", 2, "window = 501: Please enter an integer between 1 and 500."},
        {"real-range", header + "left-deriv = -1e400\n", 2,
         "left-deriv = -1e400: Please enter a number between -10 and 10."},
        {"choice", header + "method = spline\n", 2, "method = spline: Please enter schwarz or lsq."},
        {"window", header + "samples = 200\nwindow = 21\n", 3, kWindowCheckMessage},
        {"window-file", header + "source = file\nwindow = 451\n", 3, kWindowCheckMessage},
        {"window-samples", header + "window = 11\nsamples = 100\n", 2, kWindowCheckMessage},
        {"kept-value", header + "[kept]\nshown = no\nlsq-count = 4\n", 4,
         "lsq-count = 4: Please enter an integer between 5 and 51."},
        {"kept-shown", header + "[kept]\nshown = maybe\n", 3, "shown = maybe: Please enter yes or no."},
        {"kept-twice", header + "[kept]\nwindow = 2\nwindow = 3\n", 4, "\"window\" is given twice (first on line 3)."},
        {"kept-window", header + "samples = 200\n[kept]\nwindow = 21\n", 4, kWindowCheckMessage},
        {"kept-name-outside", header + "name = \"mine\"\n", 2, "\"name\" is not the name of a setting."},
        {"huge", huge, 0, "the file is 65554 bytes long; an experiment file holds at most 65536 bytes."},
        {"missing", "", 0, "the file cannot be opened: No such file or directory."},
        {"folder", "", 0, "this is a folder, not an experiment file."},
    };
    const test::TempDir dir;
    for (const auto& c : cases) {
        std::string path = dir.Path() + "/" + c.name + ".spl";
        if (!c.text.empty())
            path = dir.Write(std::string(c.name) + ".spl", c.text);
        else if (c.name == std::string("folder"))
            std::filesystem::create_directory(path);
        const ExperimentRead read = ReadExperimentFile(path, DefaultSettings());
        ASSERT_EQ(read.status, ExperimentStatus::Fault) << c.name;
        EXPECT_EQ(read.line, c.line) << c.name;
        EXPECT_EQ(read.message, c.message) << c.name;
        const std::string where = c.line == 0 ? path + ": " : path + ", line " + std::to_string(c.line) + ": ";
        EXPECT_EQ(DescribeExperimentFault(path, read), where + c.message) << c.name;
    }
}

// The data file and the formula survive a save and an open: a data file
// beside the experiment (in its folder or below) is kept relative to it, so
// the pair can move together; one elsewhere is kept absolute. A file without
// a data file is written as before.
TEST(ExperimentFile, DataPathAndFormulaRoundTrip)
{
    CSplnSettings settings = DefaultSettings();
    settings.m_nSource = kSourceFile;
    settings.m_nResample = 1;
    SetSettingText(settings, kSettingFormula, "sin(5*x) + abs(x)^0.5");
    struct Case {
        std::string experiment, data, written;
    };
    const std::vector<Case> cases = {
        {"/work/exp/a.spl", "/work/exp/run.csv", "run.csv"},
        {"/work/exp/a.spl", "/work/exp/data/run 1.csv", "data/run 1.csv"},
        {"/work/exp/a.spl", "/work/other/run.csv", "/work/other/run.csv"},
        {"/work/exp/a.spl", "/work/exp/../run.csv", "/work/run.csv"},
    };
    for (const Case& c : cases) {
        const std::string written = DataPathForFile(c.experiment, c.data);
        EXPECT_EQ(written, c.written) << c.data;
        const std::string text = FormatExperiment(settings, {}, written);
        const ExperimentRead read = ParseExperiment(text, DefaultSettings());
        ASSERT_EQ(read.status, ExperimentStatus::Settings) << read.message;
        EXPECT_TRUE(SameSettings(read.settings, settings)) << text;
        EXPECT_EQ(DataPathFromFile(c.experiment, read.dataPath),
                  std::filesystem::path(c.data).lexically_normal().string());
    }
    EXPECT_EQ(FormatExperiment(DefaultSettings()).find("data"), std::string::npos);
    EXPECT_EQ(ParseExperiment("Spln experiment 1\ndata = \"a\"\ndata = \"b\"\n", DefaultSettings()).line, 3);
}
