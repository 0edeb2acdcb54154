#include "cli/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace spln::cli {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool Fail(const std::string& path, const char* step, int code, std::string& error) {
    error = "The file \"" + path + "\" could not be written (" + step + "): " + std::strerror(code) + ".";
    return false;
}

// The permissions the new file gets: those of the file it replaces, or what
// a newly created file would get under the user's umask.
mode_t ModeFor(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) return status.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text, std::string& error) {
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
        return Fail(path, "it is a folder", EISDIR, error);

    std::string pattern = FolderOf(path) + "/.spln-save-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Fail(path, "temporary file", errno, error);
    const std::string temporary(name.data());

    const auto abandon = [&](const char* step, int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Fail(path, step, code, error);
    };
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
        if (count < 0) {
            if (errno == EINTR) continue;
            return abandon("write", errno);
        }
        written += static_cast<std::size_t>(count);
    }
    if (::fchmod(fd, ModeFor(path)) != 0) return abandon("permissions", errno);
    if (::fsync(fd) != 0) return abandon("flush", errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return Fail(path, "close", code, error);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return Fail(path, "rename", code, error);
    }
    return true;
}

}  // namespace spln::cli
