#pragma once

// What a player may be handed in place of a file a reader expects: a FIFO (which would block a
// plain open for ever), a folder, a link to /dev/zero (endless), a file one byte beyond the
// reader's limit, and a link to nothing. Each reader's test runs its reader over all of them.

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/base/regularfile.h"
#include "core/base/result.h"

namespace quorix::testing {

// A reader under test: the error it gives for a path, nullopt when it read the file.
using FileReader = std::function<std::optional<Error>(const std::filesystem::path &)>;

template <class T> std::optional<Error> errorOf(const Result<T> &result) {
    if (result) return std::nullopt;
    return result.error();
}

// Plants the hostile files in a folder of their own and checks that `read` refuses each with the
// code and words the bounded reader gives, naming the file; `limit` is the reader's size limit.
inline void expectHostileFilesRefused(std::size_t limit, const FileReader &read) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("quorix-hostile-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_directory(folder / "folder");
    fs::create_symlink("/dev/zero", folder / "zero");
    std::ofstream(folder / "oversize", std::ios::binary) << std::string(limit + 1, '\n');
    fs::create_symlink(folder / "nowhere", folder / "dangling");

    struct Case {
        const char *name;
        Error::Code code;
        std::string says;
    };
    const Case cases[] = {
        {"fifo", Error::Code::BadInput, "is not a regular file"},
        {"folder", Error::Code::BadInput, "is not a regular file"},
        {"zero", Error::Code::BadInput, "is not a regular file"},
        {"oversize", Error::Code::BadInput, "is larger than " + sizeLimitText(limit)},
        {"dangling", Error::Code::NotFound, "Cannot open"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Error> error = read(folder / c.name);
        ASSERT_TRUE(error.has_value()) << "read";
        EXPECT_EQ(error->code, c.code);
        EXPECT_NE(error->message.find(c.says), std::string::npos) << error->message;
        EXPECT_NE(error->message.find((folder / c.name).string()), std::string::npos) << error->message;
    }
    fs::remove_all(folder);
}

} // namespace quorix::testing
