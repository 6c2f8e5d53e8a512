// Every kind of writer of one history at once, round after round: CSV imports, draw updates (two
// in this process's children, one through quorix-cli against `serve`), draw entries as the window
// makes them, and make-sample on a history that is not there yet. Afterwards the history is in
// date order without a date twice, holds nothing but the draws the writers were given, and holds
// every draw a writer reported as written.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "clirun.h"
#include "core/history/drawcsv.h"
#include "core/history/drawentry.h"
#include "core/history/drawfile.h"
#include "core/history/drawupdate.h"
#include "core/history/samplehistory.h"
#include "core/history/serveranswer.h"
#include "numberserver.h"

using namespace quorix;
using quorix::test::NumberServerProcess;
using quorix::test::slurp;
namespace fs = std::filesystem;

namespace {

const DaySerial kSampleTo = serialFromYmd(2024, 1, 6);
const DaySerial kToday = serialFromYmd(2024, 4, 6);
constexpr std::uint32_t kSampleSeed = 1990;
constexpr int kRounds = 16;

// Draws of the lucky-number era after the sample, the same for the same date.
Draw laterDraw(DaySerial date) {
    std::mt19937 random(static_cast<std::uint32_t>(date));
    std::vector<int> pool(42);
    for (int i = 0; i < 42; ++i)
        pool[static_cast<std::size_t>(i)] = i + 1;
    std::shuffle(pool.begin(), pool.end(), random);
    Draw d;
    d.date = date;
    std::copy_n(pool.begin(), 6, d.numbers.begin());
    std::sort(d.numbers.begin(), d.numbers.end());
    d.lucky = 1 + static_cast<int>(random() % 6);
    d.replay = 1 + static_cast<int>(random() % 13);
    for (int &digit : d.joker)
        digit = static_cast<int>(random() % 10);
    return d;
}

// What every writer draws from: make-sample's history up to kSampleTo and the draws after it.
struct Truth {
    std::vector<Draw> sample = makeSampleHistory(kSampleTo, kSampleSeed);
    std::vector<Draw> later;
    std::map<DaySerial, Draw> byDate;

    Truth() {
        for (DaySerial d = firstRequestDate(kSampleTo); d <= kToday; d = nextDrawDay(d))
            later.push_back(laterDraw(d));
        for (const auto *part : {&sample, &later})
            for (const Draw &d : *part)
                byDate[d.date] = d;
    }
};

// A writer in a child process: it starts when the round says go, and leaves what it reports in
// files of its own.
struct Writer {
    std::string name;
    pid_t pid = -1;
    fs::path out;
    fs::path err;
};

Writer startWriter(const std::string &name, const fs::path &dir, int go,
                   const std::function<int(const fs::path &out)> &body) {
    Writer w{name, -1, dir / (name + ".out"), dir / (name + ".err")};
    w.pid = ::fork();
    if (w.pid == 0) {
        char c = 0;
        if (::read(go, &c, 1) != 1) ::_exit(99);
        ::_exit(body(w.out));
    }
    return w;
}

// quorix-cli with `args` in a child, its output in the writer's files.
Writer startCli(const std::string &name, const fs::path &dir, int go, std::vector<std::string> args) {
    const fs::path errPath = dir / (name + ".err");
    return startWriter(name, dir, go, [args, errPath](const fs::path &out) mutable {
        args.insert(args.begin(), QUORIX_CLI);
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (o < 0 || e < 0) return 98;
        ::dup2(o, STDOUT_FILENO);
        ::dup2(e, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        return 97;
    });
}

int finish(const Writer &w) {
    int status = 0;
    if (::waitpid(w.pid, &status, 0) != w.pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<DaySerial> datesIn(const fs::path &path) {
    std::vector<DaySerial> dates;
    std::ifstream in(path);
    for (DaySerial d = 0; in >> d;)
        dates.push_back(d);
    return dates;
}

void writeDates(const fs::path &path, const std::vector<DaySerial> &dates) {
    std::ofstream out(path);
    for (DaySerial d : dates)
        out << d << '\n';
}

// The draw update as the window runs it, answered from `truth` in memory; the dates it reports
// appended go to `out`. Exit 0 when the update ended done.
int updateInProcess(const DrawFile &file, const Truth &truth, const fs::path &out) {
    const HttpTransport transport = [&truth](const std::string &url) {
        const auto date = parseIsoDate(url.substr(url.size() - 8, 4) + "-" + url.substr(url.size() - 4, 2) +
                                       "-" + url.substr(url.size() - 2));
        const auto it = date ? truth.byDate.find(*date) : truth.byDate.end();
        if (it == truth.byDate.end()) return HttpAnswer{500, "Internal Server Error", "", ""};
        return HttpAnswer{200, "OK", serverLineFor(it->second) + "\r\n", ""};
    };
    std::vector<DaySerial> appended;
    UpdateEvents events;
    events.appended = [&](const ServerDraw &d) { appended.push_back(d.draw.date); };
    const UpdateOutcome outcome =
        runDrawUpdate(file, "http://numbers.invalid/", kToday, kSampleTo, transport, events);
    writeDates(out, appended);
    return outcome.end == UpdateOutcome::End::Done && outcome.appended == static_cast<int>(appended.size())
               ? 0
               : 1;
}

// Draws entered one by one as the window's entry dialog does: read, place and write under one lock.
int enterInProcess(const DrawFile &file, const std::vector<Draw> &entries, const fs::path &out) {
    std::vector<DaySerial> written;
    for (const Draw &entered : entries) {
        const auto placed = file.modify([&](const std::vector<Draw> &history) -> Result<std::vector<Draw>> {
            EntryPlacement placement = placeEnteredDraw(history, entered);
            if (!placement.append) return std::move(placement.rewritten);
            std::vector<Draw> appended = history;
            appended.push_back(entered);
            return appended;
        });
        if (!placed) return 1;
        written.push_back(entered.date);
    }
    writeDates(out, written);
    return 0;
}

std::string csvOf(const std::vector<Draw> &draws) {
    std::string text(kDrawCsvHeader);
    text += '\n';
    for (const Draw &d : draws)
        text += drawCsvLine(d) + "\n";
    return text;
}

// Figures over all rounds, printed at the end for the record.
struct Tally {
    int disordered = 0; // rounds that left a record dated before the one in front of it
    int duplicates = 0; // records of a date stored before
    int foreign = 0;    // records none of the writers was given
    int lost = 0;       // draws reported written and missing afterwards
    int failed = 0;     // writers that failed or reported an error
    int sampleWritten = 0;
    int updateAppended = 0;
};

class ConcurrentWriters : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("quorix-concurrent-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

} // namespace

TEST_F(ConcurrentWriters, EveryWriterAtOnceKeepsTheHistoryWholeAndOrdered) {
    const Truth truth;
    const fs::path history = m_dir / "ZahlenCH.dat";
    const fs::path serverFile = m_dir / "server.dat";
    std::vector<Draw> all = truth.sample;
    all.insert(all.end(), truth.later.begin(), truth.later.end());
    ASSERT_TRUE(DrawFile(serverFile).rewrite(all));
    NumberServerProcess server(serverFile.string(), {}, (m_dir / "serve.log").string());
    ASSERT_TRUE(server.running());

    // Two overlapping imports of the later draws, each with a few sample draws of the same values.
    const std::size_t third = truth.later.size() / 3;
    std::vector<Draw> importA(truth.later.begin(),
                              truth.later.begin() + static_cast<std::ptrdiff_t>(2 * third));
    std::vector<Draw> importB(truth.later.begin() + static_cast<std::ptrdiff_t>(third), truth.later.end());
    importA.insert(importA.begin(), truth.sample[truth.sample.size() - 40]);
    importB.insert(importB.begin(), truth.sample[truth.sample.size() - 20]);
    std::ofstream(m_dir / "a.csv") << csvOf(importA);
    std::ofstream(m_dir / "b.csv") << csvOf(importB);

    Tally tally;
    const std::string historyArg = history.string();
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        // Even rounds start without a history and run make-sample beside imports and an update;
        // odd ones start from the sample and add two more updates and draw entries.
        const bool fresh = round % 2 == 0;
        fs::remove(history);
        if (!fresh) {
            ASSERT_TRUE(DrawFile(history).rewrite(truth.sample));
        }
        const fs::path roundDir = m_dir / ("round" + std::to_string(round));
        fs::create_directories(roundDir);

        // Entries: a later draw, a sample draw in the middle, a later draw further on.
        const std::vector<Draw> entries{
            truth.later[static_cast<std::size_t>(round) % truth.later.size()],
            truth.sample[truth.sample.size() - 1 - static_cast<std::size_t>(round)],
            truth.later[truth.later.size() - 1 - static_cast<std::size_t>(round) % 5]};
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const DrawFile file(history);
        std::vector<Writer> writers;
        writers.push_back(startCli("importA", roundDir, go[0],
                                   {"import-csv", "--draws", historyArg, (m_dir / "a.csv").string()}));
        writers.push_back(startCli("cliUpdate", roundDir, go[0],
                                   {"update", "--draws", historyArg, "--server", server.address(), "--today",
                                    formatIso(kToday), "--from", formatIso(kSampleTo)}));
        if (fresh) {
            writers.push_back(startCli("sample", roundDir, go[0],
                                       {"make-sample", "--draws", historyArg, "--to", formatIso(kSampleTo),
                                        "--seed", std::to_string(kSampleSeed)}));
        } else {
            // Writers in this process start at once; beside make-sample they would always be first.
            writers.push_back(startWriter("update1", roundDir, go[0], [&](const fs::path &out) {
                return updateInProcess(file, truth, out);
            }));
            writers.push_back(startWriter("entries", roundDir, go[0], [&](const fs::path &out) {
                return enterInProcess(file, entries, out);
            }));
            writers.push_back(startWriter("update2", roundDir, go[0], [&](const fs::path &out) {
                return updateInProcess(file, truth, out);
            }));
        }
        writers.push_back(startCli("importB", roundDir, go[0],
                                   {"import-csv", "--draws", historyArg, (m_dir / "b.csv").string()}));
        const std::string goes(writers.size(), 'g');
        ASSERT_EQ(::write(go[1], goes.data(), goes.size()), static_cast<ssize_t>(goes.size()));
        ::close(go[0]);
        ::close(go[1]);

        // What each writer says it wrote.
        std::set<DaySerial> reported;
        std::vector<DaySerial> appendedByUpdates;
        for (const Writer &w : writers) {
            const int code = finish(w);
            const std::string out = slurp(w.out);
            const std::string err = slurp(w.err);
            const bool ok =
                w.name == "sample"
                    ? code == 0 || (code == 2 && err.find("already holds draws") != std::string::npos)
                    : code == 0;
            if (!ok) {
                ++tally.failed;
                ADD_FAILURE() << w.name << " exit " << code << ": " << err << out;
                continue;
            }
            if (w.name == "importA" || w.name == "importB") {
                for (const Draw &d : w.name == "importA" ? importA : importB)
                    reported.insert(d.date);
            } else if (w.name == "sample") {
                if (code != 0) continue;
                ++tally.sampleWritten;
                for (const Draw &d : truth.sample)
                    reported.insert(d.date);
            } else if (w.name == "cliUpdate") {
                EXPECT_NE(out.find("\"status\":\"done\""), std::string::npos) << out;
                const std::size_t at = out.find("\"appended\":");
                if (at != std::string::npos) tally.updateAppended += std::atoi(out.c_str() + at + 11);
            } else {
                for (DaySerial d : datesIn(w.out)) {
                    reported.insert(d);
                    if (w.name != "entries") appendedByUpdates.push_back(d);
                }
            }
        }

        const auto stored = DrawFile(history).readAll();
        ASSERT_TRUE(stored);
        bool disordered = false;
        std::set<DaySerial> dates;
        for (std::size_t i = 0; i < stored->size(); ++i) {
            const Draw &d = (*stored)[i];
            if (i > 0 && d.date < (*stored)[i - 1].date) disordered = true;
            if (!dates.insert(d.date).second) ++tally.duplicates;
            const auto it = truth.byDate.find(d.date);
            if (it == truth.byDate.end() || it->second != d) ++tally.foreign;
        }
        tally.disordered += disordered;
        for (DaySerial d : reported)
            tally.lost += dates.count(d) == 0;
        // An update never appends a date another update (or itself) appended already.
        const std::set<DaySerial> distinct(appendedByUpdates.begin(), appendedByUpdates.end());
        EXPECT_EQ(distinct.size(), appendedByUpdates.size());
        tally.updateAppended += static_cast<int>(appendedByUpdates.size());
        EXPECT_FALSE(disordered);
    }
    std::printf(
        "%d rounds: %d left out of order, %d duplicate records, %d foreign records, %d reported draws "
        "lost, %d writers failed; make-sample wrote %d times, updates appended %d draws\n",
        kRounds, tally.disordered, tally.duplicates, tally.foreign, tally.lost, tally.failed,
        tally.sampleWritten, tally.updateAppended);
    EXPECT_EQ(tally.duplicates, 0);
    EXPECT_EQ(tally.foreign, 0);
    EXPECT_EQ(tally.lost, 0);
    EXPECT_EQ(tally.failed, 0);
}
