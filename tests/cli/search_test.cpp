#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "core/history/drawfile.h"
#include "clirun.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::runCli;
using quorix::test::slurp;
namespace fs = std::filesystem;

namespace {

Draw drawOn(const char *iso, std::array<int, 6> numbers, int bonus = 0) {
    Draw d;
    d.date = *parseIsoDate(iso);
    d.numbers = numbers;
    d.bonus = bonus;
    return d;
}

class Search : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("quorix-search-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        // Saturday, Wednesday, Friday (never searched), Saturday.
        const std::vector<Draw> draws = {
            drawOn("2024-03-02", {1, 9, 14, 22, 30, 41}, 7),
            drawOn("2024-03-06", {5, 6, 18, 27, 35, 42}),
            drawOn("2024-03-08", {1, 9, 14, 22, 30, 41}),
            drawOn("2024-03-09", {3, 11, 17, 25, 33, 40}, 8),
        };
        ASSERT_TRUE(DrawFile(file()).rewrite(draws).ok());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file() const { return (m_dir / "ZahlenCH.dat").string(); }

    CliRun cli(const std::string &args) const { return runCli(m_dir, "search " + args); }

    std::string base(const std::string &threshold) const {
        return "--draws '" + file() + "' --start 2024-03-02 --end 2024-03-09 --threshold " + threshold;
    }

    fs::path m_dir;
};

} // namespace

TEST_F(Search, PrintsEveryBoxInOrder) {
    const CliRun run =
        cli(base("3") + " --row 2=1,9,14,5,6,18 --row 14=3,11,17,25,33,8:5 --row 5=22,30,41,2,3,4");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "{\"searched\":3,\"matches\":["
                       "{\"date\":\"2024-03-02\",\"row\":2,\"hits\":3,\"bonusHit\":false},"
                       "{\"date\":\"2024-03-02\",\"row\":5,\"hits\":3,\"bonusHit\":false},"
                       "{\"date\":\"2024-03-06\",\"row\":2,\"hits\":3,\"bonusHit\":false},"
                       "{\"date\":\"2024-03-09\",\"row\":14,\"hits\":5,\"bonusHit\":true}]}\n");
}

TEST_F(Search, WeekdayBoxesAndThresholdAboveSix) {
    const std::string row = " --row 1=1,9,14,22,30,41";
    EXPECT_EQ(cli(base("6") + row + " --no-saturday").out, "{\"searched\":1,\"matches\":[]}\n");
    EXPECT_EQ(cli(base("7") + row).out, "{\"searched\":3,\"matches\":[]}\n");
    EXPECT_EQ(cli(base("6") + row + " --no-saturday --no-wednesday").out,
              "{\"searched\":0,\"matches\":[]}\n");
    EXPECT_EQ(
        cli(base("6") + row + " --no-wednesday").out,
        "{\"searched\":2,\"matches\":[{\"date\":\"2024-03-02\",\"row\":1,\"hits\":6,\"bonusHit\":false}]}\n");
}

TEST_F(Search, RepeatedOptions) {
    const std::string found =
        "{\"searched\":3,\"matches\":[{\"date\":\"2024-03-02\",\"row\":1,\"hits\":6,\"bonusHit\":false}]}\n";
    // --row is taken in the order given: a later --row for the same row replaces the earlier one.
    EXPECT_EQ(cli(base("6") + " --row 1=3,11,17,25,33,40 --row 1=1,9,14,22,30,41").out, found);
    EXPECT_EQ(
        cli(base("6") + " --row 1=1,9,14,22,30,41 --row 1=3,11,17,25,33,40").out,
        "{\"searched\":3,\"matches\":[{\"date\":\"2024-03-09\",\"row\":1,\"hits\":6,\"bonusHit\":false}]}\n");
    // A switch given twice means what it means once.
    EXPECT_EQ(
        cli(base("6") + " --row 1=1,9,14,22,30,41 --no-wednesday --no-wednesday").out,
        "{\"searched\":2,\"matches\":[{\"date\":\"2024-03-02\",\"row\":1,\"hits\":6,\"bonusHit\":false}]}\n");
    // A value option given twice is refused, whether or not the values agree.
    const CliRun twice = cli(base("6") + " --threshold 6");
    EXPECT_EQ(twice.code, 2);
    EXPECT_EQ(twice.err, "quorix-cli: --threshold given twice\n");
}

TEST_F(Search, BadArgumentsExitTwo) {
    const std::string missing =
        "--draws '" + (m_dir / "none.dat").string() + "' --start 2024-03-02 --end 2024-03-09 --threshold 6";
    for (const std::string &args :
         {base("x"), base("6") + " --row 15=1,2,3,4,5,6", base("6") + " --row 1=1,2,3",
          base("6") + " --seed 1",
          std::string("--draws '") + file() + "' --start 2024-03-02 --end 2024-03-09",
          std::string("--draws '") + file() + "' --start 1990-03-16 --end 2024-03-09 --threshold 6",
          base("6") + " --threshold 5", missing}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(run.err.rfind("quorix-cli: ", 0), 0U) << args << ": " << run.err;
    }
}

TEST_F(Search, HelpNamesTheCommand) {
    const CliRun help = cli("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: quorix-cli search --draws FILE ", 0), 0U) << help.out;
}
