// Whole-file writes: the new contents replace the old only when every byte is
// written; otherwise the earlier file stays and no temporary file is left.

#include "io/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    AtomicFileTest()
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("spln-io-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~AtomicFileTest() override
    {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir, ignored);
    }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The names in the folder, so that a left-over temporary file shows.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

}  // namespace

TEST_F(AtomicFileTest, WritesANewFileAndReplacesAnEarlierOneKeepingItsPermissions)
{
    const fs::path path = dir / "out.csv";
    std::string reason;
    ASSERT_TRUE(spln::WriteFileAtomically(path.string(), "first\n", &reason)) << reason;
    EXPECT_EQ(Read(path), "first\n");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()), 0666 & ~mask) << "a new file's usual permissions";

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(spln::WriteFileAtomically(path.string(), std::string("second\0line", 11), &reason)) << reason;
    EXPECT_EQ(Read(path), std::string("second\0line", 11));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Names(), std::vector<std::string>{"out.csv"}) << "no temporary file is left";
}

TEST_F(AtomicFileTest, ALinkKeepsPointingAtTheFileItNames)
{
    fs::create_directories(dir / "real");
    std::ofstream(dir / "real" / "data.json") << "old";
    fs::create_symlink("real/data.json", dir / "link.json");
    ASSERT_TRUE(spln::WriteFileAtomically((dir / "link.json").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link.json"));
    EXPECT_EQ(Read(dir / "real" / "data.json"), "new");
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheEarlierFileAndNothingElse)
{
    fs::create_directories(dir / "taken.png");
    std::ofstream(dir / "keep.txt") << "earlier";
    struct Case {
        const char* what;
        fs::path path;
        const char* reason;
    };
    const Case cases[] = {
        {"a folder named like the file", dir / "taken.png", "it is a folder"},
        {"a folder that does not exist", dir / "missing" / "out.csv", "No such file or directory"},
        {"no file name", fs::path(), "no file name was given"},
        // Not even root may create files there.
        {"a folder that takes no files", "/proc/spln-io-test.csv", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string reason;
        EXPECT_FALSE(spln::WriteFileAtomically(c.path.string(), "new contents", &reason));
        EXPECT_FALSE(reason.empty());
        if (*c.reason != '\0') {
            EXPECT_EQ(reason, c.reason);
        }
    }
    EXPECT_TRUE(fs::is_directory(dir / "taken.png"));
    EXPECT_TRUE(fs::is_empty(dir / "taken.png"));
    EXPECT_EQ(Read(dir / "keep.txt"), "earlier");
    EXPECT_EQ(Names(), (std::vector<std::string>{"keep.txt", "taken.png"}));

    if (::geteuid() != 0) {
        // A read-only file and a read-only folder keep what they hold.
        fs::permissions(dir / "keep.txt", fs::perms::owner_read);
        EXPECT_FALSE(spln::WriteFileAtomically((dir / "keep.txt").string(), "new"));
        fs::permissions(dir / "keep.txt", fs::perms::owner_read | fs::perms::owner_write);
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        std::string reason;
        EXPECT_FALSE(spln::WriteFileAtomically((dir / "keep.txt").string(), "new", &reason));
        EXPECT_EQ(reason, "Permission denied");
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_EQ(Read(dir / "keep.txt"), "earlier");
        EXPECT_EQ(Names(), (std::vector<std::string>{"keep.txt", "taken.png"}));
    }
}

TEST_F(AtomicFileTest, ADeviceIsWrittenAsItIs)
{
    EXPECT_TRUE(spln::WriteFileAtomically("/dev/null", "discarded"));
    std::string reason;
    EXPECT_FALSE(spln::WriteFileAtomically("/dev/full", "no room", &reason)) << "a full disk is reported";
    EXPECT_EQ(reason, "No space left on device");
}
