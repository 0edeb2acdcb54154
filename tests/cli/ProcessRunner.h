#pragma once

// Runs a program with arguments and collects its exit code and both output streams.

#include <string>
#include <vector>

namespace spln::test {

struct ProcessResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args` in `directory` (the current one when empty) and
// collects its exit status and both output streams.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& directory = "");

// Runs script with /bin/sh in directory; $CLI in it names `program` (a path
// without blanks) followed by `args`.
ProcessResult RunShell(const std::string& script, const std::string& directory, const std::string& program,
                       const std::vector<std::string>& args = {});

// A fresh empty directory under the system's temporary directory.
std::string MakeTempDirectory();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

}  // namespace spln::test
