#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include <sys/stat.h>

#include "core/base/regularfile.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

class RegularFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("quorix-regularfile-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path write(const std::string &name, const std::string &bytes) const {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
        return m_folder / name;
    }

    fs::path m_folder;
};

TEST_F(RegularFileTest, ReadsWhatFitsAndRefusesWhatDoesNot) {
    write("small", "abc");
    write("exact", std::string(10, 'x'));
    write("over", std::string(11, 'x'));
    write("empty", "");
    fs::create_symlink(m_folder / "small", m_folder / "link-to-small");
    fs::create_directory(m_folder / "folder");
    ASSERT_EQ(::mkfifo((m_folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", m_folder / "zero");
    fs::create_symlink(m_folder / "nowhere", m_folder / "dangling");

    struct Case {
        const char *name;
        std::optional<std::string> content; // nullopt: refused
        Error::Code code = Error::Code::BadInput;
        const char *says = "";
    };
    const Case cases[] = {
        {"small", "abc"},
        {"exact", std::string(10, 'x')},
        {"empty", ""},
        {"link-to-small", "abc"},
        {"over", std::nullopt, Error::Code::BadInput, "is larger than 10 bytes"},
        {"folder", std::nullopt, Error::Code::BadInput, "is not a regular file"},
        {"fifo", std::nullopt, Error::Code::BadInput, "is not a regular file"},
        {"zero", std::nullopt, Error::Code::BadInput, "is not a regular file"},
        {"dangling", std::nullopt, Error::Code::NotFound, "Cannot open"},
        {"missing", std::nullopt, Error::Code::NotFound, "Cannot open"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = readRegularFile(m_folder / c.name, 10);
        if (c.content) {
            ASSERT_TRUE(read) << read.error().message;
            EXPECT_EQ(*read, *c.content);
            continue;
        }
        ASSERT_FALSE(read);
        EXPECT_EQ(read.error().code, c.code);
        EXPECT_NE(read.error().message.find(c.says), std::string::npos) << read.error().message;
        EXPECT_NE(read.error().message.find(c.name), std::string::npos) << read.error().message;
    }
}

TEST(SizeLimitText, NamesTheLargestWholeUnit) {
    EXPECT_EQ(sizeLimitText(100), "100 bytes");
    EXPECT_EQ(sizeLimitText(64 * 1024), "64 KiB");
    EXPECT_EQ(sizeLimitText(16 * 1024 * 1024), "16 MiB");
    EXPECT_EQ(sizeLimitText(1536), "1536 bytes");
}

} // namespace
