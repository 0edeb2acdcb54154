// Runs a program and collects its exit code and outputs.

#include "tests/cli/ProcessRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace spln::test {

std::string MakeTempDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "spln-cli-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    return pattern;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
}

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args, const std::string& directory)
{
    const std::string scratch = MakeTempDirectory();
    const std::string outPath = scratch + "/out", errPath = scratch + "/err";
    ProcessResult result;
    // Everything the child needs is prepared before the fork.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
            _exit(126);
        if (!directory.empty() && chdir(directory.c_str()) != 0)
            _exit(126);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    std::filesystem::remove_all(scratch);
    return result;
}

ProcessResult RunShell(const std::string& script, const std::string& directory, const std::string& program,
                       const std::vector<std::string>& args)
{
    std::string command = program;
    for (const std::string& arg : args)
        command += " " + arg;
    return RunProcess("/bin/sh", {"-c", "CLI='" + command + "'; " + script}, directory);
}

}  // namespace spln::test
