// Opening inputs: regular files are read, pipes and terminals only as
// standard input, everything else refused at once and never waited on.

#include "io/InputFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using spln::InputKind;

namespace {

// Puts a descriptor in place of standard input while it lives.
class StandardInput {
public:
    explicit StandardInput(int fd) : m_saved(fd < 0 ? -1 : ::dup(STDIN_FILENO))
    {
        if (fd >= 0)
            ::dup2(fd, STDIN_FILENO);
    }
    ~StandardInput()
    {
        if (m_saved >= 0) {
            ::dup2(m_saved, STDIN_FILENO);
            ::close(m_saved);
        }
    }
    StandardInput(const StandardInput&) = delete;
    StandardInput& operator=(const StandardInput&) = delete;

private:
    int m_saved;
};

}  // namespace

TEST(InputFile, ReadsFilesAndStandardInputAndRefusesOtherPipesAndDevicesAtOnce)
{
    const fs::path dir = fs::temp_directory_path() / ("spln-input-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "file") << "1 2 3";
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    const int fifo = ::open((dir / "fifo").c_str(), O_RDWR | O_NONBLOCK);  // both ends: never blocks
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const std::string terminalPath = ::ptsname(terminal);
    const int terminalSide = ::open(terminalPath.c_str(), O_RDWR | O_NOCTTY);
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", (dir / "socket").c_str());
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    struct Case {
        const char* what;
        std::string path;
        int standardInput;  // what stands in for standard input; -1: as it is
        int error;          // 0 with refused RegularFile: the file is read
        InputKind refused;
    };
    const std::string pipeByNumber = "/dev/fd/" + std::to_string(pipeEnds[0]);
    const Case cases[] = {
        {"regular file", (dir / "file").string(), -1, 0, InputKind::RegularFile},
        {"folder", dir.string(), -1, EISDIR, InputKind::RegularFile},
        {"missing", (dir / "none").string(), -1, ENOENT, InputKind::RegularFile},
        {"named pipe", (dir / "fifo").string(), -1, 0, InputKind::Pipe},
        {"named pipe as standard input", "/dev/stdin", fifo, 0, InputKind::RegularFile},
        {"pipe as standard input", "/dev/stdin", pipeEnds[0], 0, InputKind::RegularFile},
        {"pipe as /dev/fd/0", "/dev/fd/0", pipeEnds[0], 0, InputKind::RegularFile},
        {"pipe that is not standard input", pipeByNumber, -1, 0, InputKind::Pipe},
        {"terminal", terminalPath, -1, 0, InputKind::Device},
        {"terminal as standard input", "/dev/stdin", terminalSide, 0, InputKind::RegularFile},
        {"file as standard input", "/dev/stdin", ::open((dir / "file").c_str(), O_RDONLY), 0, InputKind::RegularFile},
        {"device", "/dev/null", -1, 0, InputKind::Device},
        {"device as standard input", "/dev/stdin", ::open("/dev/null", O_RDONLY), 0, InputKind::Device},
        {"socket", (dir / "socket").string(), -1, 0, InputKind::Socket},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        spln::InputOpening opening;
        {
            const StandardInput input(c.standardInput);
            opening = spln::OpenInput(c.path.c_str());
        }
        EXPECT_EQ(opening.error, c.error) << std::strerror(opening.error);
        EXPECT_EQ(opening.refused, c.refused);
        const bool read = c.error == 0 && c.refused == InputKind::RegularFile;
        EXPECT_EQ(opening.fd >= 0, read);
        if (opening.fd >= 0) {
            EXPECT_EQ(::fcntl(opening.fd, F_GETFL) & O_NONBLOCK, 0) << "reads wait for their data";
            ::close(opening.fd);
        }
    }
    for (const int fd : {fifo, pipeEnds[0], pipeEnds[1], terminal, terminalSide, socketFd})
        ::close(fd);
    fs::remove_all(dir);
}
