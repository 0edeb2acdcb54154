// What the command line leaves on disk when it writes through descriptors,
// pipes, links and long names, and when a write fails halfway: the bytes of
// every file afterwards, and never a temporary file.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/cli/ProcessRunner.h"

namespace fs = std::filesystem;
using spln::test::ProcessResult;
using spln::test::RunProcess;

namespace {

const std::string kProgram = SPLN_CLI_PATH;
const std::vector<std::string> kQuickRun = {"--samples", "100"};

// Every entry of a folder at any depth as "name kind: what it holds", the
// bytes of a file (or of a link's target) named by the label they have in
// `texts`.
std::set<std::string> Contents(const std::string& dir, const std::map<std::string, std::string>& texts)
{
    std::set<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        std::string shown = entry.path().lexically_relative(dir).string();
        const fs::file_status status = entry.symlink_status();
        if (fs::is_directory(status) || fs::is_fifo(status)) {
            found.insert(shown + (fs::is_fifo(status) ? " pipe" : " folder"));
            continue;
        }
        shown += fs::is_symlink(status) ? " link: " : " file: ";
        const std::string bytes = fs::exists(entry.path()) ? spln::test::ReadFile(entry.path()) : "";
        const auto label = texts.find(bytes);
        found.insert(shown + (label != texts.end() ? label->second : std::to_string(bytes.size()) + " bytes"));
    }
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
    const std::string json = onStandardOutput("--json"), csv = onStandardOutput("--csv");
    const std::map<std::string, std::string> texts = {{json, "json"},           {csv, "csv"},
                                                      {json + csv, "json+csv"}, {csv + json, "csv+json"},
                                                      {"earlier\n", "old"},     {"precious\n" + json, "precious+json"},
                                                      {"", "nothing"}};
    const std::string longName = std::string(246, 'n') + ".csv";  // 250 bytes
    // A replaced file keeps its owner where the process may set it (root), and its mode.
    const std::string owner = ::geteuid() == 0 ? "65534" : std::to_string(::geteuid());

    struct Case {
        const char* what;
        std::string script;
        int status;                   // the script's, which is spln-cli's
        std::string says;             // a part of its standard error; empty: nothing
        std::set<std::string> after;  // everything in the folder
    };
    const Case cases[] = {
        {"standard output appended to a file",
         "printf 'precious\\n' > log; $CLI --json /dev/stdout >> log",
         0,
         "",
         {"log file: precious+json"}},
        {"two outputs on one descriptor", "$CLI --json - --csv /dev/stdout > f", 0, "", {"f file: json+csv"}},
        {"every spelling of a descriptor",
         "$CLI --csv /dev/fd/1 --json /proc/self/fd/1 > f",
         0,
         "",
         {"f file: csv+json"}},
        {"a named pipe with a reader",
         "mkfifo p; cat p > got & $CLI --csv p; s=$?; wait; exit $s",
         0,
         "",
         {"got file: csv", "p pipe"}},
        {"past the file-size limit",
         "echo earlier > out.csv; ulimit -f 8; $CLI --csv out.csv",
         1,
         "File too large",
         {"out.csv file: old"}},
        {"a full disk with two outputs",
         "echo earlier > out.json; $CLI --json out.json --csv /dev/full",
         1,
         "\"/dev/full\" could not be written: No space left on device",
         {"out.json file: old"}},
        {"a dangling link",
         "mkdir sub; ln -s sub/made.csv link.csv; $CLI --csv link.csv",
         0,
         "",
         {"link.csv link: csv", "sub folder", "sub/made.csv file: csv"}},
        {"a link into a missing folder",
         "ln -s gone/made.csv link.csv; $CLI --csv link.csv",
         1,
         "/gone\" does not exist",
         {"link.csv link: nothing"}},
        {"a 250-byte name", "$CLI --csv " + longName, 0, "", {longName + " file: csv"}},
        {"a read-only file",
         "echo earlier > ro.csv; chmod 444 ro.csv; $CLI --csv ro.csv",
         1,
         "Permission denied",
         {"ro.csv file: old"}},
        {"a replaced file's owner and mode",
         "echo earlier > f.csv; chown 65534 f.csv 2>/dev/null; chmod 640 f.csv; $CLI --csv f.csv; stat -c '%u %a' "
         "f.csv >&2",
         0,
         owner + " 640\n",
         {"f.csv file: csv"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string dir = spln::test::MakeTempDirectory();
        const ProcessResult result = spln::test::RunShell(c.script, dir, kProgram, kQuickRun);
        EXPECT_EQ(result.exitCode, c.status) << result.err;
        EXPECT_TRUE(c.says.empty() ? result.err.empty() : result.err.find(c.says) != std::string::npos) << result.err;
        EXPECT_EQ(Contents(dir, texts), c.after) << "and no temporary file";
        fs::remove_all(dir);
    }
}
