// Data files that spln-cli refuses: each one bad input (exit 2) named with its
// line and column, nothing written; and the spreadsheet habits it accepts.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/ProcessRunner.h"

namespace {

const std::string kProgram = SPLN_CLI_PATH;

std::string Rows(int count, const std::string& separator, const std::string& end = "\n", double first = 0.0)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char row[96];
        std::snprintf(row, sizeof row, "%.17g%s%.9g%s", first + 0.01 * i, separator.c_str(), std::sin(0.05 * i),
                      end.c_str());
        text += row;
    }
    return text;
}

std::string Column(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(std::cos(0.01 * i)) + "\n";
    return text;
}

// Row r (from 0) of Rows(200, ",") with its x replaced.
std::string WithX(int row, const std::string& x)
{
    std::string text = Rows(200, ",");
    std::size_t start = 0;
    for (int r = 0; r < row; ++r)
        start = text.find('\n', start) + 1;
    text.replace(start, text.find(',', start) - start, x);
    return text;
}

class DataDir {
public:
    DataDir() : m_path(std::filesystem::temp_directory_path() / ("spln-data-" + std::to_string(getpid())))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~DataDir() { std::filesystem::remove_all(m_path); }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

TEST(DataFileCommand, EveryMalformedFileIsBadInputNamedWithItsLineAndColumn)
{
    struct Case {
        const char* what;
        std::string text;       // the file's content
        std::string where;      // ":line:column: " the message must name after the file
        std::string expected;   // and part of what it says
        const char* kind = "";  // "dir", "fifo" or "unreadable": not a file of this text
    };
    std::string middleHeader = Rows(200, ",");
    middleHeader.insert(middleHeader.find('\n', 300) + 1, "x,y\n");
    const std::string header = "x,y\n";
    const std::vector<Case> cases = {
        {"one column of 99 numbers", Column(99), ":100:1: ", "expected from 100 to 10000 numbers, found 99"},
        {"one column of 10001 numbers", Column(10001), ":10001:1: ", "found 10001"},
        {"ragged rows", header + Rows(150, ",") + "5\n" + Rows(10, ",", "\n", 9.0),
         ":152:1: ", "expected 2 numbers on the row as on line 2, found 1"},
        {"three columns", Rows(150, ",", ",7\n"), ":1:", "found a third"},
        {"decreasing x", WithX(120, "0.5"), ":121:1: ", "expected x to increase strictly"},
        {"repeated x", WithX(120, "1.19"), ":121:1: ", "expected x to increase strictly"},
        {"uneven x", WithX(120, "1.195"), ":121:1: ", "expected evenly spaced x"},
        {"NaN", WithX(50, "NaN"), ":51:1: ", "expected a finite number, found 'NaN'"},
        {"a header in the middle", middleHeader, ":", "a header may stand on the first line only"},
        {"an empty field", "1,,2\n", ":1:3: ", "expected a number before ','"},
        {"a directory", "", "", "could not be opened", "dir"},
        {"a named pipe", "", "", "is a pipe, not a regular file", "fifo"},
        {"an unreadable file", Column(200), "", "could not be opened", "unreadable"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DataDir dir;
        const std::string file = dir / "data.csv";
        const std::string kind = c.kind;
        if (kind == "dir") {
            std::filesystem::create_directory(file);
        } else if (kind == "fifo") {
            ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
        } else {
            std::ofstream(file, std::ios::binary) << c.text;
            if (kind == "unreadable") {
                chmod(file.c_str(), 0);
                if (access(file.c_str(), R_OK) == 0)
                    continue;  // run as root: every file can be read
            }
        }
        const std::string json = dir / "out.json";
        const spln::test::ProcessResult result =
            spln::test::RunProcess(kProgram, {"--source", "file", "--data", file, "--json", json});
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find(file + c.where), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(c.expected), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(json)) << "nothing is written for bad input";
    }
}

// A byte-order mark and CRLF line ends, as spreadsheets write them, read as the plain file does.
TEST(DataFileCommand, ByteOrderMarkAndCrlfReadAsThePlainFile)
{
    DataDir dir;
    std::ofstream(dir / "plain.csv") << "x,y\n" + Rows(300, ",");
    std::ofstream(dir / "excel.csv", std::ios::binary) << "\xEF\xBB\xBFx,y\r\n" + Rows(300, ",", "\r\n");
    std::ofstream(dir / "tabs.txt") << "# measured\n" + Rows(300, "\t");
    const auto run = [&dir](const std::string& name) {
        return spln::test::RunProcess(kProgram, {"--source", "file", "--data", dir / name, "--csv", "-"});
    };
    const spln::test::ProcessResult plain = run("plain.csv");
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(run("excel.csv").out, plain.out);
    EXPECT_EQ(run("tabs.txt").out, plain.out);
}

}  // namespace
