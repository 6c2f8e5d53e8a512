#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "clirun.h"
#include "core/history/drawfile.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::runCli;
namespace fs = std::filesystem;

namespace {

Draw drawOn(const char *iso, std::array<int, 6> numbers) {
    Draw d;
    d.date = *parseIsoDate(iso);
    d.numbers = numbers;
    return d;
}

class AnalyseRepetition : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("quorix-repetition-cli-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        // Sat, Wed, Sat (repeats the first), Wed, Sat, Wed.
        const std::vector<Draw> draws = {
            drawOn("2024-03-02", {1, 2, 3, 4, 5, 6}),    drawOn("2024-03-06", {1, 2, 3, 4, 5, 7}),
            drawOn("2024-03-09", {6, 5, 4, 3, 2, 1}),    drawOn("2024-03-13", {10, 11, 12, 13, 14, 15}),
            drawOn("2024-03-16", {1, 2, 3, 10, 11, 40}), drawOn("2024-03-20", {6, 7, 12, 13, 41, 42}),
        };
        ASSERT_TRUE(DrawFile(file()).rewrite(draws).ok());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file() const { return (m_dir / "ZahlenCH.dat").string(); }
    CliRun cli(const std::string &args) const { return runCli(m_dir, "analyse-repetition " + args); }
    std::string base(const char *from) const {
        return "--draws '" + file() + "' --start 1990-03-17 --from " + from;
    }

    fs::path m_dir;
};

} // namespace

TEST_F(AnalyseRepetition, PrintsTablesAndEveryBoxInOrder) {
    const CliRun run = cli(base("2024-03-02") + " --threshold 5");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "{\"turns\":5,\"earlier\":[3,0,1,3,0,2,1],\"next1\":[2,0,1,0,0,2,0],"
                       "\"next2\":[1,0,1,1,0,0,1],\"next3\":[1,1,0,1,0,0,0],\"matches\":["
                       "{\"draw\":\"2024-03-06\",\"earlier\":\"2024-03-02\"},"
                       "{\"draw\":\"2024-03-09\",\"earlier\":\"2024-03-02\"},"
                       "{\"draw\":\"2024-03-09\",\"earlier\":\"2024-03-06\"}]}\n");
}

TEST_F(AnalyseRepetition, DefaultThresholdSevenAndTheWeekdayBoxes) {
    EXPECT_EQ(cli(base("2024-03-02")).out,
              "{\"turns\":5,\"earlier\":[3,0,1,3,0,2,1],\"next1\":[2,0,1,0,0,2,0],"
              "\"next2\":[1,0,1,1,0,0,1],\"next3\":[1,1,0,1,0,0,0],\"matches\":[]}\n");
    EXPECT_EQ(cli(base("2024-03-02") + " --no-wednesday --threshold 6").out,
              "{\"turns\":3,\"earlier\":[0,0,1,3,0,1,1],\"next1\":[0,0,0,1,0,0,1],"
              "\"next2\":[0,0,0,1,0,0,0],\"next3\":[0,0,0,0,0,0,0],\"matches\":["
              "{\"draw\":\"2024-03-09\",\"earlier\":\"2024-03-02\"}]}\n");
    // From the newest draw: one turn, nothing follows.
    EXPECT_EQ(cli(base("2024-03-20")).out,
              "{\"turns\":1,\"earlier\":[1,3,1,0,0,0,0],\"next1\":[0,0,0,0,0,0,0],"
              "\"next2\":[0,0,0,0,0,0,0],\"next3\":[0,0,0,0,0,0,0],\"matches\":[]}\n");
}

TEST_F(AnalyseRepetition, BadArgumentsExitTwo) {
    const std::string missing =
        "--draws '" + (m_dir / "none.dat").string() + "' --start 1990-03-17 --from 2024-03-02";
    for (const std::string &args :
         {base("2024-03-02") + " --threshold x", base("2024-03-02") + " --threshold 5 --threshold 6",
          base("2024-3-2"), base("2024-03-02") + " --seed 1", base("2024-03-02") + " extra",
          "--draws '" + file() + "' --start 1990-03-16 --from 2024-03-02",
          "--draws '" + file() + "' --from 2024-03-02", "--draws '" + file() + "' --start 1990-03-17",
          missing}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(run.err.rfind("quorix-cli: ", 0), 0U) << args << ": " << run.err;
    }
    const CliRun help = cli("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: quorix-cli analyse-repetition --draws FILE ", 0), 0U) << help.out;
}
