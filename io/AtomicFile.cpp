// Writes whole files through temporary files in their folders and renames,
// all of a batch or none.

#include "io/AtomicFile.h"

#include "io/OutputTarget.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace spln {

struct FileBatch::Entry {
    OutputTarget target;
    std::string temporary;                    // File: the complete new contents, renamed at Commit
    std::string bytes;                        // Descriptor and InPlace: written at Commit
    std::function<bool(std::string*)> write;  // a write of the caller's own
};

namespace {

// One name of a folder may be this long when the file system does not say.
constexpr long kUsualNameMax = 255;

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

// The temporary file's name: ".NAME.PID.N.tmp", with NAME cut short (at a
// character boundary) when the whole would pass the folder's name limit.
std::string TemporaryName(const std::string& name, long nameMax, int attempt)
{
    std::string tail(1, '.');
    tail.append(std::to_string(::getpid())).append(".").append(std::to_string(attempt)).append(".tmp");
    const std::size_t room = static_cast<std::size_t>(nameMax) - 1 - tail.size();
    std::string stem = name.substr(0, room);
    while (stem.size() < name.size() && !stem.empty() && (static_cast<unsigned char>(name[stem.size()]) & 0xC0) == 0x80)
        stem.pop_back();
    return "." + stem + tail;
}

// Creates a new, empty file next to the target, under a name no other file
// has; -1 with errno set when the folder refuses. A new file gets the mode
// 0666 narrowed by the umask, as any new file does; the temporary file of a
// replaced one is private until it takes the replaced file's mode.
int CreateTemporary(const OutputTarget& target, std::string& name)
{
    const std::string folder = FolderOf(target.path);
    const std::size_t slash = target.path.find_last_of('/');
    const std::string base = slash == std::string::npos ? target.path : target.path.substr(slash + 1);
    long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax < 32)
        nameMax = kUsualNameMax;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/" + TemporaryName(base, nameMax, attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, target.exists ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The replaced file's owner where this process may give it (root, or a group
// the user belongs to), then its mode. The owner goes first: a change of
// owner clears the set-user-ID bits.
int TakeOwnerAndMode(int fd, const struct stat& replaced)
{
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
    return ::fchmod(fd, replaced.st_mode & 07777) == 0 ? 0 : errno;
}

// A file its owner made read-only is not replaced behind their back, not
// even by root, whom the system would let write it.
bool Writable(const OutputTarget& target, std::string* reason)
{
    if (::access(target.path.c_str(), W_OK) != 0)
        return FailErrno(reason, errno);
    if ((target.status.st_mode & 0222) == 0)
        return FailErrno(reason, EACCES);
    return true;
}

bool WriteInPlace(const std::string& path, std::string_view bytes, std::string* reason)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return FailErrno(reason, errno);
    const int error = WriteAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && error == 0)
        return FailErrno(reason, errno);
    return error == 0 || FailErrno(reason, error);
}

// Straight to the descriptor, after whatever the program's own streams hold
// for it, so that the bytes land in the order they were written.
bool WriteToDescriptor(int fd, std::string_view bytes, std::string* reason)
{
    std::fflush(nullptr);
    if (::fcntl(fd, F_GETFD) < 0)
        return Fail(reason, "the descriptor " + std::to_string(fd) + " is not open");
    return WriteAll(fd, bytes) || FailErrno(reason, errno);
}

}  // namespace

void IgnoreFileSizeSignal()
{
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        ::signal(SIGXFSZ, SIG_IGN);
}

FileBatch::FileBatch()
{
    IgnoreFileSizeSignal();
}

FileBatch::~FileBatch()
{
    for (const Entry& entry : m_entries)
        if (!entry.temporary.empty())
            ::unlink(entry.temporary.c_str());
}

bool FileBatch::Add(const std::string& path, std::string_view bytes, std::string* reason)
{
    Entry entry;
    if (!ResolveOutput(path, entry.target, reason))
        return false;
    if (entry.target.kind != OutputTarget::Kind::File) {
        entry.bytes = bytes;
        m_entries.push_back(std::move(entry));
        return true;
    }
    if (entry.target.exists && !Writable(entry.target, reason))
        return false;

    const int fd = CreateTemporary(entry.target, entry.temporary);
    if (fd < 0) {
        const int error = errno;
        entry.temporary.clear();
        return Fail(reason, "a new file cannot be made in the folder \"" + ShownFolder(FolderOf(entry.target.path)) +
                                "\": " + std::strerror(error));
    }
    // Any failure from here on removes the temporary file again.
    int error = 0;
    if (!WriteAll(fd, bytes))
        error = errno;
    else if (entry.target.exists)
        error = TakeOwnerAndMode(fd, entry.target.status);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(entry.temporary.c_str());
        return FailErrno(reason, error);
    }
    m_entries.push_back(std::move(entry));
    return true;
}

void FileBatch::AddInPlace(std::function<bool(std::string* reason)> write)
{
    Entry entry;
    entry.target.kind = OutputTarget::Kind::InPlace;
    entry.write = std::move(write);
    m_entries.push_back(std::move(entry));
}

bool FileBatch::Commit(std::string* reason, std::size_t* failed)
{
    const auto failAt = [&](std::size_t index) {
        if (failed != nullptr)
            *failed = index;
        return false;
    };
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        bool written = true;
        if (entry.write)
            written = entry.write(reason);
        else if (entry.target.kind == OutputTarget::Kind::Descriptor)
            written = WriteToDescriptor(entry.target.fd, entry.bytes, reason);
        else if (entry.target.kind == OutputTarget::Kind::InPlace)
            written = WriteInPlace(entry.target.path, entry.bytes, reason);
        if (!written)
            return failAt(i);
    }
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        Entry& entry = m_entries[i];
        if (entry.temporary.empty())
            continue;
        if (::rename(entry.temporary.c_str(), entry.target.path.c_str()) != 0) {
            FailErrno(reason, errno);
            return failAt(i);
        }
        entry.temporary.clear();
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* reason)
{
    FileBatch batch;
    return batch.Add(path, bytes, reason) && batch.Commit(reason);
}

}  // namespace spln
