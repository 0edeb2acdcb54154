// Finds what a write to a path reaches, following links and spotting descriptors.

#include "io/OutputTarget.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

namespace spln {
namespace {

constexpr int kMaxLinkHops = 40;

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool Fail(std::string* reason, std::string text)
{
    if (reason != nullptr)
        *reason = std::move(text);
    return false;
}

// Reads a run of digits at the front of text as a number; -1 when there is none.
long TakeNumber(std::string_view& text)
{
    constexpr std::size_t kMaxDigits = 9;  // beyond any process or descriptor number
    long number = 0;
    std::size_t digits = 0;
    for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
        if (digits == kMaxDigits)
            return -1;
        number = number * 10 + (text[digits] - '0');
    }
    if (digits == 0)
        return -1;
    text.remove_prefix(digits);
    return number;
}

bool TakePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.substr(0, prefix.size()) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The process whose descriptor folder this resolved folder is
// (/proc/PID/fd, /proc/PID/task/TID/fd), or -1.
long DescriptorFolderOwner(std::string_view folder)
{
    if (!TakePrefix(folder, "/proc/"))
        return -1;
    const long pid = TakeNumber(folder);
    if (pid < 0)
        return -1;
    if (TakePrefix(folder, "/task/") && TakeNumber(folder) < 0)
        return -1;
    return folder == "/fd" ? pid : -1;
}

std::string Resolved(const std::string& path)
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

// A path that does not exist: a new file when its folder is there.
bool NewFile(const std::string& path, OutputTarget& target, std::string* reason)
{
    const std::string folder = FolderOf(path);
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return Fail(reason, std::string("the folder \"") + ShownFolder(folder) + "\" does not exist");
        return Fail(reason, std::strerror(errno));
    }
    if (!S_ISDIR(status.st_mode))
        return Fail(reason, std::string(1, '"') + ShownFolder(folder) + "\" is not a folder");
    target.kind = OutputTarget::Kind::File;
    target.path = path;
    target.exists = false;
    return true;
}

}  // namespace

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string ShownFolder(const std::string& folder)
{
    const std::string resolved = Resolved(folder);
    if (!resolved.empty())
        return resolved;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    return error ? folder : absolute.lexically_normal().string();
}

bool ResolveOutput(const std::string& path, OutputTarget& target, std::string* reason)
{
    if (path.empty())
        return Fail(reason, "no file name was given");
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        // An entry of a descriptor folder is an open file of a process, not a
        // link to follow: /dev/stdout is the descriptor 1 itself.
        const std::string entry = NameOf(current);
        std::string_view name = entry;
        const long number = TakeNumber(name);
        if (number >= 0 && name.empty()) {
            const long owner = DescriptorFolderOwner(Resolved(FolderOf(current)));
            if (owner == static_cast<long>(::getpid())) {
                target.kind = OutputTarget::Kind::Descriptor;
                target.fd = static_cast<int>(number);
                return true;
            }
            if (owner >= 0) {
                target.kind = OutputTarget::Kind::InPlace;
                target.path = current;
                return true;
            }
        }

        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno == ENOENT)
                return NewFile(current, target, reason);
            return Fail(reason, std::strerror(errno));
        }
        if (S_ISLNK(status.st_mode)) {
            std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
            const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
            if (length <= 0)
                return Fail(reason, std::strerror(length < 0 ? errno : ENOENT));
            link.resize(static_cast<std::size_t>(length));
            current = link.front() == '/' ? link : FolderOf(current) + "/" + link;
            continue;
        }
        if (S_ISDIR(status.st_mode))
            return Fail(reason, "it is a folder");
        if (!S_ISREG(status.st_mode)) {
            // A device or a pipe (/dev/null, a FIFO) has no contents to keep
            // and cannot be renamed over.
            target.kind = OutputTarget::Kind::InPlace;
            target.path = current;
            return true;
        }
        target.kind = OutputTarget::Kind::File;
        target.path = current;
        target.exists = true;
        target.status = status;
        return true;
    }
    return Fail(reason, std::strerror(ELOOP));
}

}  // namespace spln
