#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "clirun.h"

using quorix::test::CliRun;
using quorix::test::runCli;
using quorix::test::slurp;
namespace fs = std::filesystem;

namespace {

class JokerCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir =
            fs::temp_directory_path() / ("quorix-joker-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        // Oldest first; the 000000 Joker stands for "none recorded".
        std::ofstream(m_dir / "d.csv", std::ios::binary)
            << "date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\n"
               "2020-01-04,1,2,3,4,5,6,0,1,1,412343\n"
               "2020-01-08,1,2,3,4,5,6,0,1,1,\n"
               "2020-01-11,1,2,3,4,5,6,0,1,1,912353\n"
               "2020-01-15,1,2,3,4,5,6,0,1,1,412347\n";
    }
    void TearDown() override { fs::remove_all(m_dir); }

    CliRun cli(const std::string &args) const {
        return runCli(m_dir, args + " --draws '" + (m_dir / "d.csv").string() + "'");
    }

    fs::path m_dir;
};

TEST_F(JokerCli, CommandsPrintOneJsonLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"joker-stats --start 2020-01-01 --end 2020-01-31 --position 6 --mode often",
         R"({"counts":[0,0,0,2,0,0,0,1,0,0],"drawCount":3,"digitTotal":13})"},
        {"joker-stats --start 2020-01-01 --end 2020-01-31 --position 1 --mode outstanding",
         R"({"counts":[3,3,3,3,1,3,3,3,3,2],"drawCount":3,"digitTotal":17})"},
        // A start after the end: the year before the end.
        {"joker-stats --start 2021-01-01 --end 2020-01-11 --position 7 --mode often",
         R"({"counts":[0,2,2,4,2,1,0,0,0,1],"drawCount":2,"digitTotal":40})"},
        {"joker-stats --start 2020-01-05 --end 2020-01-10 --position 1 --mode often",
         R"({"counts":[0,0,0,0,0,0,0,0,0,0],"drawCount":0,"digitTotal":0})"},
        {"joker-find --number 412347", R"({"date":"2020-01-15"})"},
        {"joker-find --number 000000", R"({"date":"2020-01-08"})"},
        {"joker-find --number 123456", R"({"date":null})"},
    };
    for (const auto &[args, json] : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 0) << args << r.err;
        EXPECT_EQ(r.out, json + "\n") << args;
    }
}

TEST_F(JokerCli, NewNumberFollowsTheSeedAndAvoidsDrawnEndings) {
    // Level 0: the generator's first six values below 10 (random --seed 0 --below 10 --count 6).
    const CliRun plain = cli("joker-new --seed 0 --level 0");
    EXPECT_EQ(plain.code, 0) << plain.err;
    EXPECT_EQ(plain.out, "{\"number\":\"008226\",\"level\":0}\n");
    for (int seed = 1; seed <= 30; ++seed) {
        const CliRun r = cli("joker-new --seed " + std::to_string(seed) + " --level 4");
        ASSERT_EQ(r.code, 0) << r.err;
        ASSERT_EQ(r.out.size(), std::string(R"({"number":"123456","level":4})").size() + 1) << r.out;
        const std::string ending = r.out.substr(14, 3);
        for (const char *drawn : {"343", "000", "353", "347"})
            EXPECT_NE(ending, drawn) << seed;
        EXPECT_EQ(cli("joker-new --seed " + std::to_string(seed) + " --level 4").out, r.out);
    }
}

TEST_F(JokerCli, HelpNamesEachCommand) {
    for (const std::string command : {"joker-stats", "joker-find", "joker-new"}) {
        const CliRun r = cli(command + " --help");
        EXPECT_EQ(r.code, 0) << command;
        EXPECT_EQ(r.out.rfind("usage: quorix-cli " + command + " --draws FILE ", 0), 0u) << r.out;
        EXPECT_EQ(cli("help " + command).out, r.out);
    }
}

TEST_F(JokerCli, BadArgumentsExitTwo) {
    for (const char *args :
         {"joker-stats --start 2020-01-01 --end 2020-01-31 --position 8 --mode often",
          "joker-stats --start 2020-01-01 --end 2020-01-31 --position 1 --mode seldom",
          "joker-stats --start 2020-01-01 --position 1 --mode often", "joker-find --number 12345",
          "joker-find --number 12345x", "joker-find", "joker-new --seed 1", "joker-new --seed -1 --level 1",
          "joker-find --number 123456 extra"}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_NE(r.err.find("quorix-cli: "), std::string::npos) << args;
    }
}

} // namespace
