// Pictures written by the command line and the faults of their flags.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "engine/CSplineEngine.h"
#include "tests/cli/ProcessRunner.h"

using spln::cli::OutputKind;
using spln::cli::PictureEncoder;
using spln::cli::RunCommandLine;

namespace {

struct EncodeCall {
    OutputKind kind;
    int width;
    int height;
    int resultCount;  // what the engine held when the picture was asked for
    int method;
    spln::ErrorPanelMode panel;
};

}  // namespace

TEST(PictureOutput, EachPictureIsDrawnAfterTheRunWithTheViewsSettingsAndWrittenAsEncoded)
{
    const std::string dir = spln::test::MakeTempDirectory();
    std::vector<EncodeCall> calls;
    const PictureEncoder encoder = [&calls](const CSplnSettings& settings, CSplineEngine& engine,
                                            const spln::PlotOptions& plot, const std::vector<spln::ComparedRun>&,
                                            OutputKind kind, int width, int height, std::string* bytes, std::string*) {
        calls.push_back({kind, width, height, engine.m_nResultCount, settings.m_nMethod, plot.errorPanel});
        *bytes = "picture " + std::to_string(calls.size());
        return true;
    };
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine({"--samples", "500", "--method", "lsq", "--svg", dir + "/p.svg", "--png",
                                       dir + "/p.png", "--size", "640x480", "--error-panel", "log"},
                                      out, err, encoder);
    EXPECT_EQ(status, spln::cli::kExitDone) << err.str();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, OutputKind::Svg);
    EXPECT_EQ(calls[1].kind, OutputKind::Png);
    EXPECT_EQ(calls[1].width, 640);
    EXPECT_EQ(calls[1].height, 480);
    EXPECT_EQ(calls[0].resultCount, 640) << "the picture is drawn from a completed run";
    EXPECT_EQ(calls[0].method, 1) << "the encoder receives the settings as typed";
    EXPECT_EQ(calls[1].panel, spln::ErrorPanelMode::Log) << "and the looks asked for";
    EXPECT_EQ(spln::test::ReadFile(dir + "/p.svg"), "picture 1");
    EXPECT_EQ(spln::test::ReadFile(dir + "/p.png"), "picture 2");
    EXPECT_TRUE(out.str().empty()) << "a picture alone replaces the report line on standard output";
    std::filesystem::remove_all(dir);
}

TEST(PictureOutput, APictureThatCannotBeDrawnIsReportedAndNothingIsWritten)
{
    int calls = 0;
    const PictureEncoder encoder = [&calls](const CSplnSettings&, CSplineEngine&, const spln::PlotOptions&,
                                            const std::vector<spln::ComparedRun>&, OutputKind, int, int, std::string*,
                                            std::string* reason) {
        ++calls;
        *reason = "out of memory";
        return false;
    };
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine({"--samples", "500", "--png", "bad.png", "--json", "-"}, out, err, encoder);
    EXPECT_EQ(status, spln::cli::kExitFailed);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(err.str(),
              "The picture \"bad.png\" could not be drawn: out of memory.\nThe other outputs were not written.\n");
    EXPECT_TRUE(out.str().empty()) << "the JSON is not written either";
}

TEST(PictureOutput, WithoutAnEncoderPicturesAreRefusedBeforeAnyRun)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"--pdf", "p.pdf"}, out, err), spln::cli::kExitBadInput);
    EXPECT_NE(err.str().find("--pdf"), std::string::npos) << err.str();
}
