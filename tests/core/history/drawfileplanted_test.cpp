// What someone may plant beside the draw file or in its place: a link, a folder or a FIFO named
// like the lock, the temporary file or the draw file itself. No writer follows a link into a file
// it did not mean, none waits for ever, and a taken temporary name is no dead end.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/history/drawcsv.h"
#include "core/history/drawfile.h"
#include "core/history/drawfilelock.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

class Planted : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("quorix-planted-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "elsewhere");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
};

Draw drawOn(int y, int m, int d, int first) {
    Draw draw;
    draw.date = serialFromYmd(y, m, d);
    draw.numbers = {first, 12, 19, 27, 33, 41};
    draw.lucky = 4;
    return draw;
}

std::string slurp(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeText(const fs::path &p, const std::string &text) {
    std::ofstream(p, std::ios::binary) << text;
}

// What can be put in a name's place.
enum class Kind { Folder, Fifo, DanglingLink, LinkToAFile };
struct Plant {
    const char *name;
    Kind kind;
};
const Plant kPlants[] = {
    {"a folder", Kind::Folder},
    {"a FIFO", Kind::Fifo},
    {"a dangling link", Kind::DanglingLink},
    {"a link to another file", Kind::LinkToAFile},
};

// Puts `kind` at `at`; a link points into the folder "elsewhere".
void plant(Kind kind, const fs::path &at) {
    const fs::path target = at.parent_path() / "elsewhere" / at.filename();
    switch (kind) {
    case Kind::Folder:
        fs::create_directories(at / "inside");
        break;
    case Kind::Fifo:
        ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0);
        break;
    case Kind::DanglingLink:
        fs::create_symlink(target, at);
        break;
    case Kind::LinkToAFile:
        writeText(target, "someone else's file");
        fs::create_symlink(target, at);
        break;
    }
}

// The planted thing is still there as it was; a link's target was neither made nor touched.
void expectUntouched(Kind kind, const fs::path &at) {
    const fs::path target = at.parent_path() / "elsewhere" / at.filename();
    const fs::file_status st = fs::symlink_status(at);
    switch (kind) {
    case Kind::Folder:
        EXPECT_TRUE(fs::is_directory(st));
        EXPECT_TRUE(fs::exists(at / "inside"));
        break;
    case Kind::Fifo:
        EXPECT_EQ(st.type(), fs::file_type::fifo);
        break;
    case Kind::DanglingLink:
        EXPECT_TRUE(fs::is_symlink(st));
        EXPECT_FALSE(fs::exists(target));
        break;
    case Kind::LinkToAFile:
        EXPECT_TRUE(fs::is_symlink(st));
        EXPECT_EQ(slurp(target), "someone else's file");
        break;
    }
}

using Write = std::function<Error(const DrawFile &)>;
template <class R> Error errorOf(const R &result) {
    return result ? Error{} : result.error();
}

// Every writer of the draw file, each changing it when it goes ahead.
const std::pair<const char *, Write> kWriters[] = {
    {"append", [](const DrawFile &f) { return errorOf(f.append(drawOn(2024, 3, 9, 3))); }},
    {"rewrite", [](const DrawFile &f) { return errorOf(f.rewrite({drawOn(2024, 3, 2, 5)})); }},
    {"modify",
     [](const DrawFile &f) {
         return errorOf(f.modify([](const std::vector<Draw> &draws) -> Result<std::vector<Draw>> {
             std::vector<Draw> more = draws;
             more.push_back(drawOn(2024, 3, 13, 7));
             return more;
         }));
     }},
    {"createEmpty", [](const DrawFile &f) { return errorOf(f.createEmpty()); }},
};

} // namespace

TEST_F(Planted, ALockNameThatIsNoRegularFileIsRefusedNamingIt) {
    const DrawFile file = DrawFile::inFolder(m_dir);
    const fs::path lock = DrawFileLock::lockPathFor(file.path());
    for (const Plant &p : kPlants) {
        SCOPED_TRACE(p.name);
        fs::remove_all(lock);
        ASSERT_TRUE(file.rewrite({drawOn(2024, 3, 6, 1)}));
        const std::string before = slurp(file.path());
        fs::remove(lock);
        plant(p.kind, lock);
        for (const auto &[name, write] : kWriters) {
            SCOPED_TRACE(name);
            const Error e = write(file);
            EXPECT_NE(e.message.find("Cannot lock " + file.path().string() + " (" + lock.string() + ")"),
                      std::string::npos)
                << e.message;
            EXPECT_NE(e.message.find("remove it"), std::string::npos) << e.message;
            EXPECT_EQ(slurp(file.path()), before);
            expectUntouched(p.kind, lock);
        }
        fs::remove_all(lock);
    }
}

TEST_F(Planted, ATakenTemporaryNameIsLeftAloneAndAnotherOneUsed) {
    const DrawFile file = DrawFile::inFolder(m_dir);
    const fs::path temporary = file.path().string() + "~";
    const std::vector<Draw> history{drawOn(2024, 3, 2, 1), drawOn(2024, 3, 6, 2)};
    for (const Plant &p : kPlants) {
        SCOPED_TRACE(p.name);
        ASSERT_TRUE(file.rewrite({}));
        plant(p.kind, temporary);
        ASSERT_TRUE(file.rewrite(history));
        EXPECT_EQ(*file.readAll(), history);
        const auto merged = file.modify([](const std::vector<Draw> &draws) -> Result<std::vector<Draw>> {
            std::vector<Draw> more = draws;
            more.push_back(drawOn(2024, 3, 9, 3));
            return more;
        });
        ASSERT_TRUE(merged) << merged.error().message;
        EXPECT_EQ(file.readAll()->size(), 3u);
        expectUntouched(p.kind, temporary);
        // The numbered name served once and went with the rename.
        EXPECT_FALSE(fs::exists(fs::symlink_status(file.path().string() + "~1")));
        fs::remove_all(temporary);
    }

    // Two names taken: the next free one serves; leftover regular temporary files of any of the
    // names are a killed writer's and go.
    plant(Kind::Folder, temporary);
    ASSERT_EQ(::mkfifo((file.path().string() + "~1").c_str(), 0600), 0);
    writeText(file.path().string() + "~2", "half a reco");
    ASSERT_TRUE(file.rewrite(history));
    EXPECT_EQ(*file.readAll(), history);
    EXPECT_TRUE(fs::is_directory(temporary));
    EXPECT_EQ(fs::symlink_status(file.path().string() + "~1").type(), fs::file_type::fifo);
    EXPECT_FALSE(fs::exists(file.path().string() + "~2"));
}

// A FIFO, a device or a folder named like the draw file: every reader and writer says it is no
// regular file at once, instead of waiting for a writer to the FIFO or reading a device for ever.
TEST_F(Planted, ADrawFileThatIsNoRegularFileIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", m_dir / "zero");
    fs::create_directories(m_dir / "folder");
    const auto expectRefused = [](const DrawFile &file, const Error &e) {
        EXPECT_NE(e.message.find(file.path().string()), std::string::npos) << e.message;
        const bool said = e.message.find("is not a regular file") != std::string::npos ||
                          e.message.find("Is a directory") != std::string::npos;
        EXPECT_TRUE(said) << e.message;
    };
    for (const char *name : {"fifo", "zero", "folder"}) {
        SCOPED_TRACE(name);
        const DrawFile file(m_dir / name);
        EXPECT_FALSE(file.exists());
        for (const Error &e :
             {errorOf(file.readAll()), errorOf(file.readLast()),
              errorOf(file.scan([](const Draw &, std::size_t) { return true; })),
              errorOf(file.checkHistory(serialFromYmd(2024, 6, 1))), errorOf(readDrawHistory(file.path()))})
            expectRefused(file, e);
    }
    // The writers (a link to a device would put its lock beside the device, which fails anyway).
    for (const char *name : {"fifo", "folder"}) {
        SCOPED_TRACE(name);
        const DrawFile file(m_dir / name);
        for (const auto &[writer, write] : kWriters) {
            SCOPED_TRACE(writer);
            if (std::string(writer) == "rewrite") continue; // replaces whatever is there by design
            expectRefused(file, write(file));
        }
    }
    EXPECT_EQ(fs::symlink_status(m_dir / "fifo").type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_directory(m_dir / "folder"));
}
