// Writes a whole file through a temporary file in the target's folder and a rename.

#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace spln {
namespace {

bool Fail(std::string* reason, const std::string& text)
{
    if (reason != nullptr)
        *reason = text;
    return false;
}

bool FailErrno(std::string* reason, int error)
{
    return Fail(reason, std::strerror(error));
}

// The file a path finally names: the target of a symbolic link (of a chain
// of them), or the path itself.
std::filesystem::path ResolveLinks(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path target = path;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(target, error); ++hops) {
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

bool WriteAll(int fd, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Creates a new, empty file next to the target, under a name no other file
// has; -1 with errno set when the folder refuses. The mode 0666 is narrowed
// by the process's umask, as for any new file.
int CreateTemporary(const std::filesystem::path& target, std::string& name)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string stem(1, '.');
    stem.append(target.filename().string()).append(".").append(std::to_string(::getpid())).append(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (folder / (stem + std::to_string(attempt) + ".tmp")).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteInPlace(const std::string& path, std::string_view bytes, std::string* reason)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return FailErrno(reason, errno);
    const int error = WriteAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        return FailErrno(reason, errno);
    return error == 0 || FailErrno(reason, error);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason)
{
    if (path.empty())
        return Fail(reason, "no file name was given");
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return Fail(reason, "it is a folder");
    // A device or a pipe (/dev/stdout, /dev/null) has no contents to keep
    // and cannot be renamed over: it is written as it is.
    if (replacing && !S_ISREG(existing.st_mode))
        return WriteInPlace(path, bytes, reason);
    // A file its owner made read-only is not replaced behind their back.
    if (replacing && ::access(path.c_str(), W_OK) != 0)
        return FailErrno(reason, errno);
    const std::filesystem::path target = replacing ? ResolveLinks(path) : std::filesystem::path(path);

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return FailErrno(reason, errno);

    // Any failure from here on removes the temporary file again.
    int error = 0;
    if (!WriteAll(fd, bytes))
        error = errno;
    else if (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0)
        error = errno;
    else if (::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return FailErrno(reason, error);
    }
    return true;
}

}  // namespace spln
