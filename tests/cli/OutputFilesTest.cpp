// What the command line leaves on disk when it writes through descriptors,
// pipes, links and long names, and when a write fails halfway: the bytes of
// every file afterwards, and never a temporary file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/ProcessRunner.h"

namespace fs = std::filesystem;
using spln::test::ProcessResult;
using spln::test::RunProcess;

namespace {

const std::string kProgram = SPLN_CLI_PATH;
const std::vector<std::string> kQuickRun = {"--samples", "100"};

// What a folder holds after a case, every entry at any depth.
enum class Entry { File, Link, Folder, Pipe };
struct Expected {
    std::string name;
    Entry kind;
    std::string bytes;  // a file's, or a link's target's
};

std::vector<Expected> Contents(const std::string& dir)
{
    std::vector<Expected> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string name = entry.path().lexically_relative(dir).string();
        const fs::file_status status = entry.symlink_status();
        if (fs::is_symlink(status))
            found.push_back({name, Entry::Link, fs::exists(entry.path()) ? spln::test::ReadFile(entry.path()) : ""});
        else if (fs::is_directory(status))
            found.push_back({name, Entry::Folder, ""});
        else if (fs::is_fifo(status))
            found.push_back({name, Entry::Pipe, ""});
        else
            found.push_back({name, Entry::File, spln::test::ReadFile(entry.path())});
    }
    std::sort(found.begin(), found.end(), [](const Expected& a, const Expected& b) { return a.name < b.name; });
    return found;
}

}  // namespace

TEST(OutputFiles, DescriptorsPipesLinksLongNamesAndFailedWritesLeaveTheRightBytes)
{
    const auto onStandardOutput = [](const std::string& flag) {
        std::vector<std::string> args = kQuickRun;
        args.insert(args.end(), {flag, "-"});
        return RunProcess(kProgram, args).out;
    };
    const std::string json = onStandardOutput("--json");
    const std::string csv = onStandardOutput("--csv");
    ASSERT_FALSE(json.empty() || csv.empty());
    const std::string longName = std::string(246, 'n') + ".csv";  // 250 bytes

    struct Case {
        const char* what;
        std::string script;
        int status;                   // the script's, which is spln-cli's
        std::string says;             // a part of its standard error; empty: nothing
        std::vector<Expected> after;  // sorted by name
    };
    const Case cases[] = {
        {"standard output appended to a file",
         "printf 'precious\\n' > log; $CLI --json /dev/stdout >> log",
         0,
         "",
         {{"log", Entry::File, "precious\n" + json}}},
        {"two outputs on one descriptor",
         "$CLI --json - --csv /dev/stdout > f",
         0,
         "",
         {{"f", Entry::File, json + csv}}},
        {"every spelling of a descriptor",
         "$CLI --csv /dev/fd/1 --json /proc/self/fd/1 > f",
         0,
         "",
         {{"f", Entry::File, csv + json}}},
        {"a named pipe with a reader",
         "mkfifo p; cat p > got & $CLI --csv p; s=$?; wait; exit $s",
         0,
         "",
         {{"got", Entry::File, csv}, {"p", Entry::Pipe, ""}}},
        {"past the file-size limit",
         "echo earlier > out.csv; ulimit -f 8; $CLI --csv out.csv",
         1,
         "File too large",
         {{"out.csv", Entry::File, "earlier\n"}}},
        {"a full disk with two outputs",
         "echo earlier > out.json; $CLI --json out.json --csv /dev/full",
         1,
         "\"/dev/full\" could not be written: No space left on device",
         {{"out.json", Entry::File, "earlier\n"}}},
        {"a dangling link",
         "mkdir sub; ln -s sub/made.csv link.csv; $CLI --csv link.csv",
         0,
         "",
         {{"link.csv", Entry::Link, csv}, {"sub", Entry::Folder, ""}, {"sub/made.csv", Entry::File, csv}}},
        {"a link into a missing folder",
         "ln -s gone/made.csv link.csv; $CLI --csv link.csv",
         1,
         "/gone\" does not exist",
         {{"link.csv", Entry::Link, ""}}},
        {"a 250-byte name", "$CLI --csv " + longName, 0, "", {{longName, Entry::File, csv}}},
        {"a read-only file",
         "echo earlier > ro.csv; chmod 444 ro.csv; $CLI --csv ro.csv",
         1,
         "Permission denied",
         {{"ro.csv", Entry::File, "earlier\n"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dir = spln::test::MakeTempDirectory();
        const ProcessResult result = spln::test::RunShell(c.script, dir, kProgram, kQuickRun);
        EXPECT_EQ(result.exitCode, c.status) << result.err;
        if (c.says.empty())
            EXPECT_EQ(result.err, "");
        else
            EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        const std::vector<Expected> after = Contents(dir);
        std::string names;
        for (const Expected& entry : after)
            names += " " + entry.name;
        ASSERT_EQ(after.size(), c.after.size()) << "no temporary file is left; found" << names;
        for (std::size_t i = 0; i < after.size(); ++i) {
            EXPECT_EQ(after[i].name, c.after[i].name) << names;
            EXPECT_EQ(after[i].kind, c.after[i].kind) << after[i].name;
            EXPECT_TRUE(after[i].bytes == c.after[i].bytes)
                << after[i].name << " holds " << after[i].bytes.size() << " bytes, not " << c.after[i].bytes.size();
        }
        fs::remove_all(dir);
    }
}
