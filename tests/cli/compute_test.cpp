#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "core/compute/computation.h"
#include "core/history/drawfile.h"
#include "clirun.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::runCli;
using quorix::test::slurp;
namespace fs = std::filesystem;

namespace {

class Compute : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("quorix-compute-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        // Two years of made-up Wednesday and Saturday draws.
        Random random(42);
        DaySerial date = serialFromYmd(2020, 1, 1); // a Wednesday
        for (int i = 0; i < 200; ++i) {
            Draw d;
            d.date = date;
            std::uint64_t used = 0;
            for (int &n : d.numbers) {
                do
                    n = static_cast<int>(random.below(42)) + 1;
                while (used & (std::uint64_t{1} << n));
                used |= std::uint64_t{1} << n;
            }
            std::sort(d.numbers.begin(), d.numbers.end());
            d.lucky = static_cast<int>(random.below(6)) + 1;
            m_draws.push_back(d);
            date += weekdayOf(date) == 4 ? 3 : 4;
        }
        ASSERT_TRUE(DrawFile(file()).rewrite(m_draws).ok());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file() const { return (m_dir / "ZahlenCH.dat").string(); }

    CliRun cli(const std::string &args) const { return runCli(m_dir, "compute " + args); }

    std::string base(const std::string &seed) const {
        return "--draws '" + file() + "' --start 2020-01-01 --end 2021-11-30 --seed " + seed;
    }

    fs::path m_dir;
    std::vector<Draw> m_draws;
};

} // namespace

TEST_F(Compute, PrintsTheRunAsOneJsonLineLikeTheCore) {
    const std::string args = base("4711") + " --set tipCount=4 --set maxRunsThousands=2 --set luckyOption=1" +
                             " --row 3=5,,17,40,2,9:4 --lock 3 --no-wednesday";
    const CliRun a = cli(args);
    ASSERT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(a.out, cli(args).out);
    // A --lock before the --row that fills its row locks it all the same.
    EXPECT_EQ(a.out,
              cli(base("4711") + " --lock 3 --set tipCount=4 --set maxRunsThousands=2 --set luckyOption=1" +
                  " --row 3=5,,17,40,2,9:4 --no-wednesday")
                  .out);
    EXPECT_NE(a.out, cli(base("4712") + " --set tipCount=4").out);

    ComputationRequest rq;
    rq.draws = m_draws;
    rq.startDate = serialFromYmd(2020, 1, 1);
    rq.endDate = serialFromYmd(2021, 11, 30);
    rq.wednesday = false;
    rq.parameters.tipCount = 4;
    rq.parameters.maxRunsThousands = 2;
    rq.parameters.luckyOption = 1;
    rq.sheet.rows[2] = {{"5", "", "17", "40", "2", "9"}, "4", true};
    Random random(4711);
    const ComputationResult r = *runComputation(rq, random);
    std::string expected = "{\"rows\":[";
    for (std::size_t i = 0; i < 14; ++i) {
        const ComputedRow &row = r.rows[i];
        expected += (i ? ",{\"row\":" : "{\"row\":") + std::to_string(i + 1) + ",\"numbers\":[";
        std::string numbers;
        for (int n : row.numbers)
            if (n) numbers += (numbers.empty() ? "" : ",") + std::to_string(n);
        expected += numbers + "],\"lucky\":\"" + row.lucky +
                    "\",\"crossSum\":" + std::to_string(row.crossSum) +
                    ",\"locked\":" + (row.locked ? "true" : "false") + "}";
    }
    expected += "],\"runs\":" + std::to_string(r.runs) + ",\"status\":\"" +
                std::string(statusName(r.status)) + "\"}\n";
    EXPECT_EQ(a.out, expected);
    EXPECT_NE(
        a.out.find("{\"row\":3,\"numbers\":[5,17,40,2,9],\"lucky\":\"-\",\"crossSum\":73,\"locked\":true}"),
        std::string::npos);
    EXPECT_NE(a.out.find("{\"row\":5,\"numbers\":[],"), std::string::npos);
}

TEST_F(Compute, BudgetStatus) {
    // No six numbers up to 42 add up to 260 or more.
    const CliRun r = cli(base("1") + " --set maxRunsThousands=1 --set crossSumMin=260 --set crossSumMax=279");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("\"runs\":1000,\"status\":\"budget\"}"), std::string::npos) << r.out;
}

TEST_F(Compute, BadArgumentsExitWithTwo) {
    const std::string ok = base("1");
    const std::string cases[] = {
        ok + " --set noSuchField=1",
        ok + " --set crossSumMin=20",
        ok + " --set forcePair=yes",
        ok + " --set tipCount",
        ok + " --row 15=1,2,3,4,5,6",
        ok + " --row 2=1,2,3,4,5",
        ok + " --row 2=1,2,3,4,5,43",
        ok + " --row 2=1,2,3,4,5,6:7",
        ok + " --lock 0",
        ok + " --seed 2",
        ok + " --bogus",
        "--draws '" + file() + "' --start 1990-03-16 --end 2021-11-30 --seed 1",
        "--draws '" + file() + "' --start 2020-01-01 --end 2021-02-30 --seed 1",
        "--draws '" + file() + "' --start 2020-01-01 --end 2021-11-30 --seed -1",
    };
    for (const std::string &args : cases) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.err.find("quorix-cli: "), std::string::npos) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
    EXPECT_EQ(cli("--draws '" + file() + "' --start 2020-01-01 --end 2021-01-01").code, 2) << "no seed";

    // Settings no run can satisfy are refused with the reason, not run until the budget is spent.
    const CliRun crossSums = cli(ok + " --set crossSumMin=200 --set crossSumMax=100");
    EXPECT_EQ(crossSums.code, 2);
    EXPECT_NE(crossSums.err.find("cross-sum minimum 200 is above maximum 100"), std::string::npos)
        << crossSums.err;
    EXPECT_TRUE(crossSums.out.empty());
    EXPECT_EQ(cli("--draws /nonexistent/ZahlenCH.dat --start 2020-01-01 --end 2021-01-01 --seed 1").code, 2);
}
