// Finding two command-line files that are one file, by identity rather than spelling.

#include "cli/SameFileCheck.h"

#include <sys/stat.h>
#include <filesystem>

#include "io/OutputTarget.h"

namespace spln::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char kDefaultSampleFile[] = "sig.dat";

// What a path reaches: the file itself when it exists, else where a write
// would create it (the resolved folder and the name).
struct FileIdentity {
    bool exists = false;
    bool regular = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string resolved;
};

FileIdentity IdentityOf(const CommandFile& file)
{
    FileIdentity identity;
    OutputTarget target;
    const bool writable = file.written && ResolveOutput(file.path, target, nullptr);
    // A descriptor, device or pipe is written in place, never replaced:
    // /dev/stdout may take any number of outputs.
    if (writable && target.kind != OutputTarget::Kind::File) {
        identity.exists = true;
        return identity;
    }
    struct stat status;
    if (stat(file.path.c_str(), &status) == 0) {
        identity.exists = true;
        identity.regular = S_ISREG(status.st_mode);
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
        return identity;
    }
    // A symbolic link to a file not yet there: writing through it creates its target.
    std::error_code error;
    const fs::path absolute = fs::absolute(writable ? target.path : file.path, error);
    const fs::path resolved = fs::weakly_canonical(absolute, error);
    identity.resolved = (error ? absolute : resolved).lexically_normal().string();
    return identity;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b)
{
    if (a.exists != b.exists)
        return false;
    if (!a.exists)
        return a.resolved == b.resolved;
    // Devices and pipes are not replaced by a write: /dev/null may take any output.
    return a.regular && b.regular && a.device == b.device && a.inode == b.inode;
}

std::string Named(const CommandFile& file)
{
    return file.role + " \"" + file.path + "\"";
}

}  // namespace

std::vector<CommandFile> CommandFiles(const CliOptions& options)
{
    std::vector<CommandFile> files;
    bool readsSampleFile = options.settings.m_nSource == 1;
    for (const ComparedFile& compared : options.compared)
        readsSampleFile = readsSampleFile || compared.settings.m_nSource == 1;
    if (!options.dataPath.empty())
        files.push_back({"--data", options.dataPath, false});
    else if (readsSampleFile)
        files.push_back({"the default sample file", kDefaultSampleFile, false});
    if (!options.settingsPath.empty())
        files.push_back({"--settings", options.settingsPath, false});
    for (const ComparedFile& compared : options.compared)
        files.push_back({"--compare", compared.path, false});
    if (!options.saveSettingsPath.empty())
        files.push_back({"--save-settings", options.saveSettingsPath, true});
    for (const OutputRequest& output : options.outputs)
        if (output.path != "-")
            files.push_back({output.flag, output.path, true});
    return files;
}

std::optional<std::string> FindSharedFile(const std::vector<CommandFile>& files)
{
    std::vector<FileIdentity> identities;
    identities.reserve(files.size());
    for (const CommandFile& file : files)
        identities.push_back(IdentityOf(file));
    for (size_t i = 0; i < files.size(); ++i)
        for (size_t j = i + 1; j < files.size(); ++j)
            if ((files[i].written || files[j].written) && SameFile(identities[i], identities[j]))
                return Named(files[j]) + " and " + Named(files[i]) + " name the same file; nothing was run";
    return std::nullopt;
}

}  // namespace spln::cli
