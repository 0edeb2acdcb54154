// Text outputs written whole, to standard output, or reported when they fail.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/OutputWriter.h"
#include "tests/cli/ProcessRunner.h"

using namespace spln::cli;
using spln::RunResults;

namespace {

struct OnePoint {
    double x = 0.5, data = 1.0, exact = 2.0, approx = 3.0;
    RunResults results;
    OnePoint()
    {
        results.count = 1;
        results.x = &x;
        results.data = &data;
        results.exact = &exact;
        results.approx = &approx;
        results.report = "report";
        results.hasReport = true;
    }
};

}  // namespace

TEST(OutputWriter, WithoutRequestsTheSummaryGoesToStandardOutput)
{
    OnePoint point;
    std::ostringstream out, err;
    EXPECT_TRUE(WriteOutputs({}, point.results, out, err));
    EXPECT_EQ(out.str(), "report\n");
    EXPECT_TRUE(err.str().empty());
}

// One output that fails does not keep the others from being written, and the
// failure is still reported.
TEST(OutputWriter, AFailedOutputIsNamedAndTheOthersAreStillWritten)
{
    OnePoint point;
    const std::string dir = spln::test::MakeTempDirectory();
    const std::vector<OutputRequest> outputs = {{OutputKind::Json, dir + "/missing/r.json"},
                                                {OutputKind::Csv, dir + "/r.csv"}};
    std::ostringstream out, err;
    EXPECT_FALSE(WriteOutputs(outputs, point.results, out, err));
    EXPECT_NE(err.str().find(dir + "/missing/r.json"), std::string::npos) << err.str();
    EXPECT_EQ(spln::test::ReadFile(dir + "/r.csv"), "x,data,exact,approx\n0.5,1,2,3\n");
    std::filesystem::remove_all(dir);
}

TEST(OutputWriter, StandardOutputThatFailsIsReported)
{
    OnePoint point;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_FALSE(WriteText("-", "text", out, err));
    EXPECT_NE(err.str().find("standard output"), std::string::npos);
}
