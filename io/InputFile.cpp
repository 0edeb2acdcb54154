// Opens an input file, refusing pipes and devices that are not standard input.

#include "io/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace spln {
namespace {

bool SameObject(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A pipe or a terminal that is this process's standard input: the user
// handed it over, so reading it (and waiting for its writer) is what was
// asked for.
bool IsStandardInput(const struct stat& status)
{
    struct stat input {};
    if (::fstat(STDIN_FILENO, &input) != 0 || !SameObject(input, status))
        return false;
    return S_ISFIFO(input.st_mode) || (S_ISCHR(input.st_mode) && ::isatty(STDIN_FILENO) == 1);
}

InputKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return InputKind::RegularFile;
    if (S_ISFIFO(mode))
        return InputKind::Pipe;
    if (S_ISSOCK(mode))
        return InputKind::Socket;
    return InputKind::Device;
}

// Whether a file of this status is read; otherwise the opening says why not.
bool Readable(const struct stat& status, InputOpening& opening)
{
    if (S_ISDIR(status.st_mode)) {
        opening.error = EISDIR;
        return false;
    }
    const InputKind kind = KindOf(status.st_mode);
    if (kind == InputKind::RegularFile || IsStandardInput(status))
        return true;
    opening.refused = kind;
    return false;
}

}  // namespace

InputOpening OpenInput(const char* path)
{
    InputOpening opening;
    // Devices are refused before they are opened: opening one may act on it.
    struct stat named {};
    if (::stat(path, &named) != 0) {
        opening.error = errno;
        return opening;
    }
    if (!Readable(named, opening))
        return opening;

    // Non-blocking, so that a pipe swapped in since the look cannot hold the open.
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        opening.error = errno;
        return opening;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        opening.error = errno;
        ::close(fd);
        return opening;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (!Readable(opened, opening) || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        if (opening.error == 0 && opening.refused == InputKind::RegularFile)
            opening.error = errno;
        ::close(fd);
        return opening;
    }
    opening.fd = fd;
    return opening;
}

const char* NotReadBecause(InputKind kind)
{
    switch (kind) {
    case InputKind::Pipe:
        return "is a pipe, not a regular file; a pipe or a terminal is read only as standard input (/dev/stdin)";
    case InputKind::Device:
        return "is a device, not a regular file; a pipe or a terminal is read only as standard input (/dev/stdin)";
    case InputKind::Socket:
        return "is a socket, not a regular file; a pipe or a terminal is read only as standard input (/dev/stdin)";
    case InputKind::RegularFile:
        break;
    }
    return "is a regular file";
}

}  // namespace spln
