// Pictures written by the command line and the faults of their flags.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "engine/CSplineEngine.h"

using spln::cli::OutputKind;
using spln::cli::PictureExporter;
using spln::cli::RunCommandLine;

namespace {

struct ExportCall {
    OutputKind kind;
    std::string path;
    int width;
    int height;
    int resultCount;  // what the engine held when the picture was asked for
    int method;
};

}  // namespace

TEST(PictureOutput, EachPictureGoesToTheExporterAfterTheRunWithTheViewsSettings)
{
    std::vector<ExportCall> calls;
    const PictureExporter exporter = [&calls](const CSplnSettings& settings, CSplineEngine& engine, OutputKind kind,
                                              const std::string& path, int width, int height, std::string*) {
        calls.push_back({kind, path, width, height, engine.m_nResultCount, settings.m_nMethod});
        return true;
    };
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunCommandLine({"--samples", "500", "--method", "lsq", "--svg", "p.svg", "--png", "p.png", "--size", "640x480"},
                       out, err, exporter);
    EXPECT_EQ(status, spln::cli::kExitDone) << err.str();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, OutputKind::Svg);
    EXPECT_EQ(calls[1].kind, OutputKind::Png);
    EXPECT_EQ(calls[1].path, "p.png");
    EXPECT_EQ(calls[1].width, 640);
    EXPECT_EQ(calls[1].height, 480);
    EXPECT_EQ(calls[0].resultCount, 640) << "the picture is drawn from a completed run";
    EXPECT_EQ(calls[0].method, 1) << "the exporter receives the settings as typed";
    EXPECT_TRUE(out.str().empty()) << "a picture alone replaces the report line on standard output";
}

TEST(PictureOutput, AFailedPictureIsReportedAndTheOtherOutputsAreStillWritten)
{
    int calls = 0;
    const PictureExporter exporter = [&calls](const CSplnSettings&, CSplineEngine&, OutputKind, const std::string& path,
                                              int, int, std::string* error) {
        ++calls;
        *error = "Cannot write the picture file \"" + path + "\"";
        return false;
    };
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine({"--samples", "500", "--png", "bad.png", "--json", "-"}, out, err, exporter);
    EXPECT_EQ(status, spln::cli::kExitFailed);
    EXPECT_EQ(calls, 1);
    EXPECT_NE(err.str().find("bad.png"), std::string::npos) << err.str();
    EXPECT_NE(out.str().find("\"approx\""), std::string::npos) << "the JSON is still written";
}

TEST(PictureOutput, WithoutAnExporterPicturesAreRefusedBeforeAnyRun)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"--pdf", "p.pdf"}, out, err), spln::cli::kExitBadInput);
    EXPECT_NE(err.str().find("--pdf"), std::string::npos) << err.str();
}
