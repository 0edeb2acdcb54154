// The outputs of one command written together: standard output at commit,
// every file or none, and each failure reported with its file.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/OutputWriter.h"
#include "tests/cli/ProcessRunner.h"

using namespace spln::cli;

TEST(OutputWriter, StandardOutputAndFilesAreWrittenOnlyAtCommit)
{
    const std::string dir = spln::test::MakeTempDirectory();
    std::ostringstream out, err;
    {
        OutputSet outputs(out, err);
        ASSERT_TRUE(outputs.Add("-", "report\n"));
        ASSERT_TRUE(outputs.Add(dir + "/r.csv", "x\n"));
        EXPECT_TRUE(out.str().empty());
        EXPECT_FALSE(std::filesystem::exists(dir + "/r.csv"));
        EXPECT_TRUE(outputs.Commit());
    }
    EXPECT_EQ(out.str(), "report\n");
    EXPECT_EQ(spln::test::ReadFile(dir + "/r.csv"), "x\n");
    EXPECT_TRUE(err.str().empty()) << err.str();
    std::filesystem::remove_all(dir);
}

// One output that cannot be written keeps every other from being written:
// no file is replaced, nothing reaches standard output, and no temporary
// file is left.
TEST(OutputWriter, AFailedOutputIsNamedAndNoOtherIsWritten)
{
    const std::string dir = spln::test::MakeTempDirectory();
    spln::test::WriteFile(dir + "/r.csv", "earlier");
    std::ostringstream out, err;
    {
        OutputSet outputs(out, err);
        outputs.Add(dir + "/r.csv", "new");
        outputs.Add("-", "report\n");
        EXPECT_FALSE(outputs.Add(dir + "/missing/r.json", "{}", "experiment file"));
        EXPECT_FALSE(outputs.Commit());
    }
    EXPECT_EQ(err.str(), "The experiment file \"" + dir + "/missing/r.json\" could not be written: the folder \"" +
                             dir + "/missing\" does not exist.\nThe other outputs were not written.\n");
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(spln::test::ReadFile(dir + "/r.csv"), "earlier");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "no temporary file is left";
    std::filesystem::remove_all(dir);
}

TEST(OutputWriter, StandardOutputThatFailsIsReportedAndNoFileIsReplaced)
{
    const std::string dir = spln::test::MakeTempDirectory();
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    {
        OutputSet outputs(out, err);
        outputs.Add("-", "text");
        outputs.Add(dir + "/r.csv", "x\n");
        EXPECT_FALSE(outputs.Commit());
    }
    EXPECT_EQ(err.str(), "The results could not be written to standard output.\n");
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    std::filesystem::remove_all(dir);
}
