// Several writers of one draw file in several processes, and writers killed at random moments:
// the file is always a whole history, old or new, and no writer's change is lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/history/drawcsv.h"
#include "core/history/drawfile.h"
#include "core/history/drawfilelock.h"

using namespace quorix;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class TempFolder {
public:
    TempFolder() {
        m_path =
            fs::temp_directory_path() / ("quorix-writers-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

Draw drawOn(DaySerial date, int first) {
    Draw d;
    d.date = date;
    d.numbers = {first, first + 1, first + 2, first + 3, first + 4, first + 5};
    d.lucky = 1 + first % 6;
    return d;
}

std::string readBytes(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string bytesOf(const std::vector<Draw> &draws) {
    std::string bytes;
    for (const Draw &d : draws) {
        const DrawRecord r = DrawRecord::fromDraw(d);
        bytes.append(r.bytes.begin(), r.bytes.end());
    }
    return bytes;
}

// How long a test waits for a child's signal or end before it counts the child as hung. Only a
// guard against hanging the test run: a healthy child answers at once.
constexpr std::chrono::seconds kHangGuard{120};

// The child processes of one test. Every child still alive when the guard goes out of scope (a
// failed assertion returned early, a child hung) is killed and reaped, so no test leaves a process
// behind that holds the test's output open.
class Children {
public:
    Children() = default;
    Children(const Children &) = delete;
    Children &operator=(const Children &) = delete;
    ~Children() {
        for (const pid_t pid : m_alive) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }

    // Runs `body` in a child process, which ends with body's result and never returns into the test.
    template <class Body> pid_t spawn(Body body) {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(body());
        if (pid > 0) m_alive.push_back(pid);
        return pid;
    }

    // The exit code of the child; -1 when a signal ended it, -2 when it was still running after
    // kHangGuard (it is killed then).
    int exitCodeOf(pid_t pid) {
        const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
        int status = 0;
        pid_t ended = 0;
        while ((ended = ::waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(2ms);
        if (ended == 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        m_alive.erase(std::remove(m_alive.begin(), m_alive.end(), pid), m_alive.end());
        if (ended != pid) return -2;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    std::vector<pid_t> m_alive;
};

// A pipe whose ends are closed on scope exit. The test closes the write end it does not use right
// after the fork, so that a child that dies without writing is read as an end, not waited for.
class Pipe {
public:
    Pipe() {
        if (::pipe(m_fd) != 0) m_fd[0] = m_fd[1] = -1;
    }
    Pipe(const Pipe &) = delete;
    Pipe &operator=(const Pipe &) = delete;
    ~Pipe() {
        closeReadEnd();
        closeWriteEnd();
    }
    bool ok() const { return m_fd[0] >= 0; }
    int readEnd() const { return m_fd[0]; }
    int writeEnd() const { return m_fd[1]; }
    void closeReadEnd() { closeEnd(0); }
    void closeWriteEnd() { closeEnd(1); }

private:
    void closeEnd(int i) {
        if (m_fd[i] >= 0) ::close(m_fd[i]);
        m_fd[i] = -1;
    }
    int m_fd[2]{-1, -1};
};

// One byte from fd, or '\0' when the writer closed its end or nothing came within kHangGuard.
char receive(int fd) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(std::chrono::milliseconds(kHangGuard).count())) != 1) return '\0';
    char c = 0;
    return ::read(fd, &c, 1) == 1 ? c : '\0';
}

void send(int fd) {
    const char c = 'x';
    ASSERT_EQ(::write(fd, &c, 1), 1);
}

const DaySerial kBase = serialFromYmd(2010, 1, 2);

} // namespace

TEST(DrawFileWriters, ASecondWriterWaitsAndThenFailsNamingTheFile) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.rewrite({drawOn(kBase, 1)}));
    const std::string before = readBytes(file.path());

    Pipe held;
    Pipe release;
    ASSERT_TRUE(held.ok() && release.ok());
    Children children;
    const pid_t holder = children.spawn([&] {
        release.closeWriteEnd();
        auto lock = DrawFileLock::acquire(file.path());
        if (!lock) return 1;
        send(held.writeEnd());
        receive(release.readEnd());
        return 0;
    });
    held.closeWriteEnd();
    ASSERT_EQ(receive(held.readEnd()), 'x');

    DrawFile impatient = file;
    impatient.setLockWait(200ms);
    const auto errorOf = [](const auto &result) { return result ? Error{} : result.error(); };
    const std::vector<Error> refused{
        errorOf(impatient.append(drawOn(kBase + 3, 2))),
        errorOf(impatient.rewrite({})),
        errorOf(impatient.modify(
            [](const std::vector<Draw> &) -> Result<std::vector<Draw>> { return std::vector<Draw>{}; })),
        errorOf(impatient.createEmpty()),
        errorOf(impatient.convertLegacy(dir.path() / DrawFile::kLegacyFileName, kBase)),
    };
    for (const Error &e : refused)
        EXPECT_NE(e.message.find(file.path().string() + " is being written by another program"),
                  std::string::npos)
            << e.message;
    EXPECT_EQ(readBytes(file.path()), before);

    // A writer that waits long enough goes ahead once the other one is done.
    std::thread releaser([&] {
        std::this_thread::sleep_for(100ms);
        send(release.writeEnd());
    });
    EXPECT_TRUE(file.append(drawOn(kBase + 3, 2)));
    releaser.join();
    EXPECT_EQ(children.exitCodeOf(holder), 0);
    EXPECT_EQ(readBytes(file.path()), bytesOf({drawOn(kBase, 1), drawOn(kBase + 3, 2)}));
}

TEST(DrawFileWriters, AKilledHolderLeavesNoStaleLock) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    Pipe held;
    ASSERT_TRUE(held.ok());
    Children children;
    const pid_t holder = children.spawn([&] {
        auto lock = DrawFileLock::acquire(file.path());
        if (!lock) return 1;
        send(held.writeEnd());
        for (;;)
            ::pause();
    });
    held.closeWriteEnd();
    ASSERT_EQ(receive(held.readEnd()), 'x');
    ::kill(holder, SIGKILL);
    EXPECT_EQ(children.exitCodeOf(holder), -1);

    DrawFile impatient = file;
    impatient.setLockWait(0ms);
    EXPECT_TRUE(impatient.append(drawOn(kBase, 1)));
}

// Two processes change the file at the same time, by read-merge-write and by append: every
// change of both is in the file afterwards, in date order. An append that no longer follows the
// newest draw (the other writer got ahead) writes nothing and says so; its draw is merged instead.
TEST(DrawFileWriters, TwoWritersAtOnceLoseNothing) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    constexpr int kEach = 25;
    const auto insert = [&](DaySerial date, int first) {
        return file.modify([&](const std::vector<Draw> &draws) -> Result<std::vector<Draw>> {
            return mergeDraws(draws, {drawOn(date, first)});
        });
    };
    Children children;
    const pid_t other = children.spawn([&] {
        for (int i = 0; i < kEach; ++i)
            if (!insert(kBase + 7 * i, 1)) return 1;
        return 0;
    });
    int overtaken = 0;
    for (int i = 0; i < kEach; ++i) {
        const DaySerial date = kBase + 7 * i + 3;
        if (i % 2) {
            EXPECT_TRUE(insert(date, 2));
            continue;
        }
        const auto appended = file.append(drawOn(date, 2));
        ASSERT_TRUE(appended) << appended.error().message;
        if (*appended == AppendResult::NotAfterNewest) {
            ++overtaken;
            EXPECT_TRUE(insert(date, 2));
        }
    }
    EXPECT_EQ(children.exitCodeOf(other), 0);
    std::printf("appends overtaken by the other writer: %d of %d\n", overtaken, (kEach + 1) / 2);

    auto all = file.readAll();
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 2u * kEach);
    // Strictly ascending: in order and no date twice.
    EXPECT_EQ(std::adjacent_find(all->begin(), all->end(),
                                 [](const Draw &a, const Draw &b) { return a.date >= b.date; }),
              all->end());
}

// A writer runs rewrites, appends and read-merge-writes in a loop and is killed at random
// moments, a few hundred times: the file is always one of the histories it writes, never a mix,
// and the next writer is neither locked out nor stopped by what the killed one left.
TEST(DrawFileWriters, AKilledWriterLeavesTheOldOrTheNewHistory) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    std::vector<Draw> a;
    a.reserve(60);
    for (int i = 0; i < 60; ++i)
        a.push_back(drawOn(kBase + 7 * i, 1 + i % 30));
    const std::vector<Draw> extra{drawOn(kBase + 500, 1), drawOn(kBase + 503, 2), drawOn(kBase + 507, 3)};
    std::vector<Draw> b = a;
    b[10] = drawOn(b[10].date, 31);                       // an entry replacing a draw
    b.insert(b.begin() + 20, drawOn(b[19].date + 3, 32)); // and one inserted between two

    std::vector<std::string> valid{bytesOf(a)};
    for (std::size_t n = 1; n <= extra.size(); ++n) {
        std::vector<Draw> grown = a;
        grown.insert(grown.end(), extra.begin(), extra.begin() + static_cast<std::ptrdiff_t>(n));
        valid.push_back(bytesOf(grown));
    }
    valid.push_back(bytesOf(b));
    ASSERT_TRUE(file.rewrite(a));

    const auto writeForever = [&] {
        for (;;) {
            if (!file.rewrite(a)) return 1;
            for (const Draw &d : extra)
                if (!file.append(d)) return 2;
            const auto toB = [&](const std::vector<Draw> &) -> Result<std::vector<Draw>> { return b; };
            if (!file.modify(toB)) return 3;
        }
    };
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> delayMicroseconds(0, 25000);
    std::vector<int> seen(valid.size(), 0);
    constexpr int kKills = 300;
    Children children;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t writer = children.spawn(writeForever);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(writer, SIGKILL);
        ASSERT_EQ(children.exitCodeOf(writer), -1) << "the writer stopped by itself at kill " << kill;
        const std::string now = readBytes(file.path());
        const auto found = std::find(valid.begin(), valid.end(), now);
        ASSERT_NE(found, valid.end()) << "kill " << kill << " left " << now.size() << " bytes of no history";
        ++seen[static_cast<std::size_t>(found - valid.begin())];
    }
    std::printf("states after %d kills (A, A+1, A+2, A+3, B):", kKills);
    for (int n : seen)
        std::printf(" %d", n);
    std::printf("\n");

    DrawFile impatient = file;
    impatient.setLockWait(0ms);
    ASSERT_TRUE(impatient.rewrite(b));
    EXPECT_EQ(readBytes(file.path()), bytesOf(b));
    EXPECT_FALSE(fs::exists(file.path().string() + "~"));
}
