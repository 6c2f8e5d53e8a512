#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/base/atomicfile.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("quorix-atomicfile-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    static std::string read(const fs::path &path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
};

TEST_F(AtomicFileTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    const fs::path target = m_folder / "list.zqw";
    std::ofstream(target) << "old";
    const fs::path elsewhere = m_folder / "elsewhere";
    std::ofstream(elsewhere) << "kept";
    fs::create_symlink(elsewhere, m_folder / "link");

    ASSERT_TRUE(writeAtomically(target, "new"));
    ASSERT_TRUE(writeAtomically(m_folder / "link", "replaced"));
    EXPECT_EQ(read(target), "new");
    EXPECT_EQ(read(elsewhere), "kept");
    EXPECT_FALSE(fs::is_symlink(m_folder / "link"));
    EXPECT_EQ(entries(), 3U);
}

// A failed rename names the target and the temporary file, and leaves neither changed nor behind.
TEST_F(AtomicFileTest, AFailedRenameLeavesTheTargetAndCleansUp) {
    const fs::path target = m_folder / "busy";
    fs::create_directories(target / "inside");
    const auto written = writeAtomically(target, "x");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, ErrorKind::CannotReplace);
    EXPECT_EQ(written.error().path, target.string());
    EXPECT_NE(written.error().other.find(".busy.tmp"), std::string::npos);
    EXPECT_EQ(written.error().message.rfind("Cannot replace " + target.string() + " by ", 0), 0U);
    EXPECT_TRUE(fs::is_directory(target / "inside"));
    EXPECT_EQ(entries(), 1U);
}

// With a named temporary file (the caller holds a lock): a leftover regular file of that name
// goes, anything else there stays untouched and the next free name is taken.
TEST_F(AtomicFileTest, ANamedTemporaryReplacesALeftoverButNeverWritesThroughALink) {
    const fs::path target = m_folder / "Z.dat";
    const fs::path victim = m_folder / "victim";
    std::ofstream(victim) << "victim";
    AtomicWriteOptions options;
    options.temporary = m_folder / "Z.dat~";

    std::ofstream(options.temporary) << "leftover";
    ASSERT_TRUE(writeAtomically(target, "one", options));
    EXPECT_FALSE(fs::exists(options.temporary));

    fs::create_symlink(victim, options.temporary);
    ASSERT_TRUE(writeAtomically(target, "two", options));
    EXPECT_EQ(read(target), "two");
    EXPECT_EQ(read(victim), "victim");
    EXPECT_TRUE(fs::is_symlink(options.temporary));
    EXPECT_FALSE(fs::exists(m_folder / "Z.dat~1"));
}

TEST_F(AtomicFileTest, KeepsTheOldFilesModeWhenAsked) {
    const fs::path target = m_folder / "Z.dat";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    AtomicWriteOptions options;
    options.keepOwnerAndMode = true;
    ASSERT_TRUE(writeAtomically(target, "new", options));
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
