// Whole-file writes: new contents replace the old only once complete; a failed
// write leaves the earlier file and no temporary file behind.

#include "io/AtomicFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST(AtomicFile, ReplacesKeepingPermissionsAndLinksAndFailsLeavingEverythingAsItWas)
{
    const fs::path dir = fs::temp_directory_path() / ("spln-io-" + std::to_string(::getpid()));
    fs::create_directories(dir / "real");
    fs::create_directory(dir / "taken.png");
    std::ofstream(dir / "real" / "out.csv") << "earlier";
    fs::permissions(dir / "real" / "out.csv", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/out.csv", dir / "link.csv");

    ASSERT_TRUE(spln::WriteFileAtomically((dir / "link.csv").string(), std::string("new\0text", 8)));
    EXPECT_EQ(Read(dir / "real" / "out.csv"), std::string("new\0text", 8));
    EXPECT_TRUE(fs::is_symlink(dir / "link.csv")) << "the link still names the file";
    EXPECT_EQ(fs::status(dir / "real" / "out.csv").permissions(), fs::perms::owner_read | fs::perms::owner_write);

    const std::pair<fs::path, std::string> failures[] = {
        {dir / "taken.png", "it is a folder"},
        {dir / "missing" / "out.csv", "the folder \"" + (dir / "missing").string() + "\" does not exist"},
        {"/dev/full", "No space left on device"},  // a full disk
        {"/proc/spln-io-test.csv", ""},            // not even root may create files there
    };
    for (const auto& [path, expected] : failures) {
        SCOPED_TRACE(path.string());
        std::string reason;
        EXPECT_FALSE(spln::WriteFileAtomically(path.string(), "lost", &reason));
        EXPECT_TRUE(expected.empty() ? !reason.empty() : reason == expected) << reason;
    }
    EXPECT_TRUE(fs::is_empty(dir / "taken.png"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator()), 1)
        << "no temporary file is left";
    fs::remove_all(dir);
}
