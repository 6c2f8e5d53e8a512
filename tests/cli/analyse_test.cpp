#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "clirun.h"
#include "core/history/drawfile.h"
#include "core/analysis/parameteranalysis.h"
#include "core/history/samplehistory.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::runCli;
namespace fs = std::filesystem;

namespace {

// The numbers of a JSON array of arrays, in order.
std::vector<double> numbersOf(const std::string &json) {
    std::vector<double> out;
    const char *p = json.c_str();
    while (*p) {
        if ((*p >= '0' && *p <= '9') || *p == '-') {
            char *end = nullptr;
            out.push_back(std::strtod(p, &end));
            p = end;
        } else {
            ++p;
        }
    }
    return out;
}

class AnalyseParameters : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("quorix-analyse-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_draws = makeSampleHistory(serialFromYmd(2024, 6, 29), 12);
        ASSERT_TRUE(DrawFile(file()).rewrite(m_draws).ok());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file() const { return (m_dir / "ZahlenCH.dat").string(); }
    CliRun cli(const std::string &args) const { return runCli(m_dir, "analyse-parameters " + args); }
    std::string base() const {
        return "--draws '" + file() + "' --start 2000-01-01 --from 2024-03-04 --seed 4711 --today 2024-07-01";
    }

    fs::path m_dir;
    std::vector<Draw> m_draws;
};

} // namespace

TEST_F(AnalyseParameters, PrintsWhatTheWalkGives) {
    const CliRun run =
        cli(base() + " --no-wednesday --recompute-after-win --set tipCount=8 --set pastWinHits=4 "
                     "--row 3=1,2,3,4,5,6:2 --lock 3 --row 9=7,8,9,10,11,12");
    ASSERT_EQ(run.code, 0) << run.err;

    ParameterAnalysisRequest rq;
    rq.startDate = serialFromYmd(2000, 1, 1);
    rq.fromDate = serialFromYmd(2024, 3, 4);
    rq.today = serialFromYmd(2024, 7, 1);
    rq.seed = 4711;
    rq.wednesday = false;
    rq.recomputeOnlyAfterWin = true;
    rq.parameters.tipCount = 8;
    rq.parameters.pastWinHits = 4;
    rq.sheet.rows[2] = {{"1", "2", "3", "4", "5", "6"}, "2", true};
    rq.sheet.rows[8] = {{"7", "8", "9", "10", "11", "12"}, "-", false};
    Random random(0);
    const Result<ParameterAnalysis> walked = analyseParameters(m_draws, rq, random);
    ASSERT_TRUE(walked.ok());
    ASSERT_GT(walked->turns, 10);

    std::string table = "[";
    for (std::size_t x = 0; x < 7; ++x) {
        table += x > 0 ? ",[" : "[";
        for (std::size_t c = 0; c < 4; ++c)
            table += (c > 0 ? "," : "") + std::to_string(walked->table[x][c]);
        table += "]";
    }
    table += "]";
    const std::string head =
        "{\"turns\":" + std::to_string(walked->turns) + ",\"table\":" + table + ",\"expected\":";
    ASSERT_EQ(run.out.rfind(head, 0), 0U) << run.out;
    const std::vector<double> expected = numbersOf(run.out.substr(head.size()));
    ASSERT_EQ(expected.size(), 28U);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], walked->expected[i / 4][i % 4]) << i; // read back exactly
    EXPECT_EQ(run.out.back(), '\n');
}

TEST_F(AnalyseParameters, StartedOnTodayDoesNoTurn) {
    const CliRun run =
        cli("--draws '" + file() + "' --start 2000-01-01 --from 2024-03-04 --seed 1 --today 2024-03-04");
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "{\"turns\":0,\"table\":[[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0],"
                       "[0,0,0,0]],\"expected\":[[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0],[0,0,0,0],"
                       "[0,0,0,0]]}\n");
}

TEST_F(AnalyseParameters, BadArgumentsExitTwo) {
    const std::string empty = (m_dir / "empty.dat").string();
    ASSERT_TRUE(DrawFile(empty).rewrite({}).ok());
    for (const std::string &args :
         {base() + " --seed 2", base() + " --set nothing=1", base() + " --set crossSumMin=300",
          base() + " --lock 15", base() + " --row 1=1,2,3", base() + " --from 2024-02-30",
          base() + " --frobnicate",
          std::string("--draws '") + file() + "' --start 2000-01-01 --from 2024-03-04",
          std::string("--draws '") + file() + "' --start 1990-03-16 --from 2024-03-04 --seed 1",
          std::string("--draws '") + empty + "' --start 2000-01-01 --from 2024-03-04 --seed 1",
          base() + " --set crossSumMin=200 --set crossSumMax=100"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_EQ(run.err.rfind("quorix-cli: ", 0), 0U) << args << ": " << run.err;
    }
}

TEST_F(AnalyseParameters, HelpNamesTheCommand) {
    const CliRun help = cli("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: quorix-cli analyse-parameters --draws FILE ", 0), 0U) << help.out;
}
