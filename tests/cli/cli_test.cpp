#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "core/history/drawfile.h"
#include "core/statistics/statistics.h"
#include "core/compute/tipparameters.h"
#include "clirun.h"

using namespace quorix;
using quorix::test::CliRun;
using quorix::test::runCli;
using quorix::test::slurp;
namespace fs = std::filesystem;

namespace {

void writeText(const fs::path &p, const std::string &text) {
    std::ofstream(p, std::ios::binary) << text;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() / ("quorix-cli-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path path(const std::string &name) const { return m_dir / name; }
    std::string arg(const std::string &name) const { return "'" + path(name).string() + "'"; }

    CliRun cli(const std::string &args) const { return runCli(m_dir, args); }

    fs::path m_dir;
};

Draw draw(int y, int m, int d, std::array<int, 6> numbers, int bonus, int lucky) {
    Draw draw;
    draw.date = serialFromYmd(y, m, d);
    draw.numbers = numbers;
    draw.bonus = bonus;
    draw.lucky = lucky;
    return draw;
}

const char *kHeader = "date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\n";

} // namespace

TEST_F(Cli, BadArgumentsExitTwoWithOneLine) {
    ASSERT_TRUE(DrawFile(path("Z.dat")).rewrite({draw(2020, 1, 4, {1, 2, 3, 4, 5, 6}, 0, 1)}));
    const std::string z = "--draws " + arg("Z.dat");
    struct Case {
        std::string args;
        const char *says;
    };
    const Case cases[] = {
        {"frobnicate", "unknown command"},
        {"stats " + z + " --kind frequency --start 2020-01-01 --end 2020-12-31", "unknown --kind"},
        {"stats " + z + " --kind Frequency --start 2020-02-30 --end 2020-12-31", "--start is not a date"},
        {"stats " + z + " --kind Frequency --start 2020-01-01", "--end is missing"},
        {"stats " + z + " --kind Frequency --start 2020-01-01 --end 2020-12-31 --no-sunday",
         "unknown option"},
        {"stats --draws " + arg("missing.dat") + " --kind Frequency --start 2020-01-01 --end 2020-12-31",
         "missing.dat"},
        {"draws " + z + " --from", "--from needs a value"},
        {"draws " + z + " extra", "unexpected argument"},
        {"random --seed -1 --below 5 --count 1", "--seed must be an integer"},
        {"random --seed 4294967296 --below 5 --count 1", "--seed must be an integer"},
        {"random --seed 1 --below 0 --count 1", "--below must be an integer"},
        {"random --seed 1 --below 5", "--count is missing"},
        {"import-csv " + z, "exactly one CSV"},
        {"import-csv " + z + " " + arg("nothing.csv"), "nothing.csv"},
        {"make-sample " + z, "already holds draws"},
        {"make-sample --draws " + arg("future.dat") + " --to " + formatIso(todaySerial() + 1),
         "--to cannot be later than today"},
        {"stats " + z + " --kind Frequency --start 1990-03-16 --end 2020-12-31",
         "--start cannot be earlier than 1990-03-17"},
        {"", "no command given"},
        {"help frobnicate", "unknown command"},
    };
    for (const Case &c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << " -> " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(fs::exists(path("future.dat")));
    EXPECT_EQ(cli("stats " + z + " --kind Frequency --start 1990-03-17 --end 2020-12-31").code, 0);
    const CliRun help = cli("help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("make-sample"), std::string::npos);
}

// Every command reads its arguments through one parser: the same mistakes are refused with the
// same one-line texts everywhere, before any file is read or a server started.
TEST_F(Cli, EveryCommandRefusesMalformedArgumentsAlike) {
    struct Command {
        std::string name;
        std::string once; // an option the command takes once
    };
    const Command commands[] = {
        {"import-csv", "--draws"},
        {"draws", "--draws"},
        {"stats", "--draws"},
        {"random", "--seed"},
        {"make-sample", "--draws"},
        {"check", "--draws"},
        {"serve", "--draws"},
        {"update", "--draws"},
        {"compute", "--draws"},
        {"search", "--draws"},
        {"joker-stats", "--draws"},
        {"joker-find", "--draws"},
        {"joker-new", "--draws"},
        {"ticket-marks", "--tips"},
        {"analyse-parameters", "--draws"},
        {"analyse-repetition", "--draws"},
        {"fill-script", "--script"},
    };
    // The table covers every command the tool lists.
    const std::string usage = cli("help").out;
    std::size_t listed = 0;
    for (std::size_t at = usage.find("  quorix-cli "); at != std::string::npos;
         at = usage.find("  quorix-cli ", at + 1), ++listed) {
        const std::size_t from = at + std::strlen("  quorix-cli ");
        const std::string name = usage.substr(from, usage.find(' ', from) - from);
        EXPECT_TRUE(std::any_of(std::begin(commands), std::end(commands), [&](const Command &c) {
            return c.name == name;
        })) << name;
    }
    EXPECT_EQ(listed, std::size(commands));

    for (const Command &c : commands) {
        std::vector<std::pair<std::string, std::string>> cases = {
            {" --bogus x", "unknown option --bogus"},
            {" " + c.once, c.once + " needs a value"},
            {" " + c.once + " a " + c.once + " b", c.once + " given twice"},
        };
        // import-csv takes its CSV file as a plain argument.
        if (c.name != "import-csv") cases.emplace_back(" stray", "unexpected argument stray");
        for (const auto &[args, says] : cases) {
            const CliRun r = cli(c.name + args);
            EXPECT_EQ(r.code, 2) << c.name << args;
            EXPECT_TRUE(r.out.empty()) << c.name << args;
            EXPECT_EQ(r.err, "quorix-cli: " + says + "\n") << c.name << args;
        }
    }
}

TEST_F(Cli, HelpForTheToolAndEachCommand) {
    const char *commands[] = {"import-csv", "draws", "stats", "random", "make-sample", "compute"};
    for (const char *asked : {"-h", "--help", "help"}) {
        const CliRun r = cli(asked);
        EXPECT_EQ(r.code, 0) << asked;
        EXPECT_TRUE(r.err.empty()) << asked;
        for (const char *command : commands)
            EXPECT_NE(r.out.find(std::string("quorix-cli ") + command + " "), std::string::npos) << command;
    }
    for (const char *command : commands) {
        // Help wins over everything else given, even arguments that would be errors.
        for (const std::string &args :
             {std::string(" --help"), std::string(" -h"), std::string(" --bogus -h")}) {
            const CliRun r = cli(command + args);
            EXPECT_EQ(r.code, 0) << command << args;
            EXPECT_EQ(r.out.rfind(std::string("usage: quorix-cli ") + command + " ", 0), 0u) << r.out;
            EXPECT_TRUE(r.err.empty()) << command << args;
        }
        EXPECT_EQ(cli(std::string("help ") + command).out, cli(std::string(command) + " --help").out);
    }
    const std::string stats = cli("stats --help").out;
    for (const StatisticKind kind : kAllStatisticKinds)
        EXPECT_NE(stats.find("  " + std::string(statisticKindName(kind)) + "\n"), std::string::npos) << stats;
    // Each --set name on its own line with its values and the default.
    const std::string compute = cli("compute --help").out;
    const TipParameters defaults;
    for (const TipParameterInfo &info : tipParameterTable()) {
        const std::size_t at = compute.find("  " + std::string(info.name) + " ");
        ASSERT_NE(at, std::string::npos) << info.name;
        const std::string line = compute.substr(at, compute.find('\n', at) - at);
        const std::string values =
            info.isFlag() ? "on/off" : std::to_string(info.minimum) + ".." + std::to_string(info.maximum);
        EXPECT_NE(line.find(" " + values + " "), std::string::npos) << line;
        EXPECT_NE(line.find("(" + tipParameterText(defaults, info) + ")"), std::string::npos) << line;
    }
}

TEST_F(Cli, StatsPrintsOneJsonLine) {
    ASSERT_TRUE(DrawFile(path("Z.dat"))
                    .rewrite({
                        draw(2020, 1, 4, {1, 2, 3, 4, 5, 6}, 7, 5),
                        draw(2020, 1, 8, {10, 11, 12, 20, 21, 28}, 0, 5),
                        draw(2020, 1, 11, {2, 3, 5, 7, 11, 13}, 0, 2),
                    }));
    const std::string z = "--draws " + arg("Z.dat");
    struct Case {
        std::string args;
        std::string json;
    };
    const Case cases[] = {
        {"--kind CrossSums --start 2020-01-04 --end 2020-01-08",
         R"({"kind":"CrossSums","drawCount":1,"runTotal":null,"averageCrossSum":102,"sharePercent":null,)"
         R"("minCount":1,"maxCount":1,"entries":[[102,1]]})"},
        {"--kind CrossSums --start 2020-01-04 --end 2020-01-11 --no-saturday --no-wednesday",
         R"({"kind":"CrossSums","drawCount":0,"runTotal":null,"averageCrossSum":null,"sharePercent":null,)"
         R"("minCount":null,"maxCount":null,"entries":[]})"},
        {"--kind PrimesPerDraw --start 2020-01-01 --end 2020-01-11 --no-wednesday",
         R"({"kind":"PrimesPerDraw","drawCount":2,"runTotal":null,"averageCrossSum":null,"sharePercent":75,)"
         R"("minCount":0,"maxCount":1,"entries":[[0,0],[1,0],[2,0],[3,1],[4,0],[5,0],[6,1]]})"},
        {"--kind LuckyFrequency --start 2020-01-01 --end 2020-01-11",
         R"({"kind":"LuckyFrequency","drawCount":null,"runTotal":null,"averageCrossSum":null,)"
         R"("sharePercent":null,"minCount":0,"maxCount":2,"entries":[[1,0],[2,1],[3,0],[4,0],[5,2],[6,0]]})"},
        {"--kind Triples --start 2020-01-01 --end 2020-01-04",
         R"({"kind":"Triples","drawCount":1,"runTotal":4,"averageCrossSum":null,"sharePercent":null,)"
         R"("minCount":0,"maxCount":1,"entries":[[1,1],[2,1],[3,1],[4,1])" +
             [] {
                 std::string rest;
                 for (int x = 5; x <= 40; ++x)
                     rest += ",[" + std::to_string(x) + ",0]";
                 return rest;
             }() +
             "]}"},
    };
    for (const Case &c : cases) {
        const CliRun r = cli("stats " + z + " " + c.args);
        EXPECT_EQ(r.code, 0) << c.args << r.err;
        EXPECT_EQ(r.out, c.json + "\n") << c.args;
        EXPECT_TRUE(r.err.empty());
    }
}

TEST_F(Cli, RandomFollowsTheGeneratorRule) {
    struct Case {
        std::uint32_t seed, below;
    };
    const Case cases[] = {{0, 6}, {4711, 42}, {4294967295u, 4294967295u}, {123456789, 1}};
    for (const Case &c : cases) {
        const CliRun r = cli("random --seed " + std::to_string(c.seed) + " --below " +
                             std::to_string(c.below) + " --count 5");
        ASSERT_EQ(r.code, 0) << r.err;
        std::string expected;
        std::uint32_t state = c.seed;
        for (int i = 0; i < 5; ++i) {
            state = static_cast<std::uint32_t>(std::uint64_t{state} * 134775813u + 1u);
            expected += std::to_string((std::uint64_t{state} * c.below) >> 32) + "\n";
        }
        EXPECT_EQ(r.out, expected) << c.seed;
    }
    EXPECT_EQ(cli("random --seed 1 --below 100 --count 1").out, "3\n");
    EXPECT_EQ(cli("random --seed 1 --below 100 --count 0").out, "");
}

TEST_F(Cli, ImportMergesReportsRejectsAndReplacesAtomically) {
    ASSERT_TRUE(DrawFile(path("Z.dat"))
                    .rewrite({
                        draw(2020, 1, 4, {1, 2, 3, 4, 5, 6}, 0, 1),
                        draw(2020, 1, 11, {1, 2, 3, 4, 5, 7}, 0, 1),
                    }));
    writeText(path("in.csv"), std::string(kHeader) + "2020-01-08,10,11,12,13,14,15,0,2,3,012345\n"
                                                     "2020-01-11,20,21,22,23,24,25,0,3,4,\n"
                                                     "2020-01-15,20,21,22,23,24,25,0,9,4,\n"
                                                     "2019-12-28,30,31,32,33,34,35,0,4,5,\n");
    const std::string z = "--draws " + arg("Z.dat");
    const CliRun r = cli("import-csv " + z + " " + arg("in.csv"));
    EXPECT_EQ(r.code, 2); // one line was rejected; the others are in
    EXPECT_NE(r.err.find("line 4: lucky"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "{\"imported\":3,\"rejected\":1,\"drawCount\":4}\n");
    const CliRun listed = cli("draws " + z + " --from 2020-01-01 --to 2020-01-10");
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out, std::string(kHeader) + "2020-01-04,1,2,3,4,5,6,0,1,0,\n"
                                                 "2020-01-08,10,11,12,13,14,15,0,2,3,012345\n");
    EXPECT_EQ(cli("draws " + z).out, std::string(kHeader) + "2019-12-28,30,31,32,33,34,35,0,4,5,\n"
                                                            "2020-01-04,1,2,3,4,5,6,0,1,0,\n"
                                                            "2020-01-08,10,11,12,13,14,15,0,2,3,012345\n"
                                                            "2020-01-11,20,21,22,23,24,25,0,3,4,\n");

    // A CSV that cannot be read at all changes nothing.
    const std::string before = slurp(path("Z.dat"));
    writeText(path("noheader.csv"), "2020-01-18,1,2,3,4,5,6,0,1,1,\n");
    writeText(path("binary.csv"), std::string("\x7f"
                                              "ELF\0\1\2",
                                              7));
    writeText(path("allbad.csv"), std::string(kHeader) + "2020-01-18,1,2,3,4,5,5,0,1,1,\n");
    for (const char *bad : {"noheader.csv", "binary.csv", "allbad.csv", "absent.csv"}) {
        const CliRun failed = cli("import-csv " + z + " " + arg(bad));
        EXPECT_EQ(failed.code, 2) << bad;
        EXPECT_EQ(slurp(path("Z.dat")), before) << bad;
    }
    EXPECT_FALSE(fs::exists(path("Z.dat~")));

    // Importing into a file that does not exist yet creates it.
    const CliRun fresh = cli("import-csv --draws " + arg("new.dat") + " " + arg("in.csv"));
    EXPECT_EQ(fresh.out, "{\"imported\":3,\"rejected\":1,\"drawCount\":3}\n");
    EXPECT_EQ(fs::file_size(path("new.dat")), 3 * 24u);
}

// import-csv merges into an existing file only when it is a draw history; a CSV without a good
// line changes nothing; records the import does not touch keep their bytes.
TEST_F(Cli, ImportRefusesWhatIsNoDrawHistoryAndCsvsWithoutADraw) {
    writeText(path("in.csv"), std::string(kHeader) + "2020-01-08,10,11,12,13,14,15,0,2,3,012345\n");
    auto record = [](const Draw &d, double date) {
        DrawRecord r = DrawRecord::fromDraw(d);
        std::memcpy(r.bytes.data(), &date, 8);
        return std::string(r.bytes.begin(), r.bytes.end());
    };
    const Draw d = draw(2020, 1, 4, {1, 2, 3, 4, 5, 6}, 0, 1);
    const double day = d.date;
    struct Case {
        const char *name;
        std::string bytes;
    };
    const Case hostile[] = {
        {"in.csv", ""}, // the CSV itself named as the draw file
        {"torn.dat", record(d, day) + "torn"},
        {"descending.dat", record(d, day) + record(d, day - 7)},
        {"nan.dat", record(d, std::nan(""))},
        {"1899.dat", record(d, 0)},
    };
    for (const Case &c : hostile) {
        if (!c.bytes.empty()) writeText(path(c.name), c.bytes);
        const std::string before = slurp(path(c.name));
        const CliRun r = cli("import-csv --draws " + arg(c.name) + " " + arg("in.csv"));
        EXPECT_EQ(r.code, 2) << c.name;
        EXPECT_NE(r.err.find("does not look like a draw file"), std::string::npos) << c.name << ": " << r.err;
        EXPECT_EQ(slurp(path(c.name)), before) << c.name;
        EXPECT_FALSE(fs::exists(path(c.name).string() + ".lock")) << c.name;
    }

    // Nothing to import: even a torn file is left as it is.
    writeText(path("headeronly.csv"), kHeader);
    writeText(path("blank.csv"), std::string(kHeader) + "\n\n  \n");
    for (const char *csv : {"headeronly.csv", "blank.csv"}) {
        const CliRun r = cli("import-csv --draws " + arg("torn.dat") + " " + arg(csv));
        EXPECT_EQ(r.code, 2) << csv;
        EXPECT_NE(r.err.find("holds no draw"), std::string::npos) << r.err;
        EXPECT_EQ(slurp(path("torn.dat")), record(d, day) + "torn");
    }
    EXPECT_EQ(cli("import-csv --draws " + arg("none.dat") + " " + arg("headeronly.csv")).code, 2);
    EXPECT_FALSE(fs::exists(path("none.dat")));

    // A filler byte and a time of day survive an import of another date.
    std::string kept = record(d, day + 0.75);
    kept[23] = 'Z';
    writeText(path("Z.dat"), kept);
    const CliRun r = cli("import-csv --draws " + arg("Z.dat") + " " + arg("in.csv"));
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(slurp(path("Z.dat")).substr(0, 24), kept);
    EXPECT_EQ(fs::file_size(path("Z.dat")), 48u);
}

// stats, draws and compute read a draw CSV whatever its name, and a draw file whatever its name.
TEST_F(Cli, CommandsTellACsvByItsContent) {
    const std::string csv = std::string(kHeader) + "2020-01-04,1,2,3,4,5,6,7,5,0,\n"
                                                   "2020-01-08,10,11,12,20,21,28,0,5,0,\n"
                                                   "2020-01-11,2,3,5,7,11,13,0,2,1,123456\n";
    writeText(path("history.TXT"), csv);
    writeText(path("bom"), "\xEF\xBB\xBF" + csv);
    ASSERT_EQ(cli("import-csv --draws " + arg("Z.csv") + " " + arg("history.TXT")).code, 0);
    const auto stats = [&](const std::string &file) {
        return cli("stats --draws " + arg(file) + " --kind Frequency --start 2020-01-01 --end 2020-01-11");
    };
    const auto compute = [&](const std::string &file) {
        return cli("compute --draws " + arg(file) + " --start 2020-01-01 --end 2020-01-11 --seed 3");
    };
    for (const char *name : {"history.TXT", "bom", "Z.csv"}) {
        const CliRun listed = cli("draws --draws " + arg(name));
        EXPECT_EQ(listed.code, 0) << name << listed.err;
        EXPECT_EQ(listed.out, csv) << name;
        const CliRun counted = stats(name);
        EXPECT_EQ(counted.code, 0) << name << counted.err;
        EXPECT_EQ(counted.out, stats("Z.csv").out) << name;
        const CliRun computed = compute(name);
        EXPECT_EQ(computed.code, 0) << name << computed.err;
        EXPECT_EQ(computed.out, compute("Z.csv").out) << name;
    }
    writeText(path("bad.dat"), csv + "2020-01-15,1,2,3,4,5,5,0,1,1,\n");
    const CliRun bad = cli("draws --draws " + arg("bad.dat"));
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("line 5"), std::string::npos) << bad.err;
}

// Two imports started together both land, whichever waits for the other.
TEST_F(Cli, TwoImportsAtOnceBothLand) {
    for (int round = 0; round < 5; ++round) {
        const std::string a = "a" + std::to_string(round) + ".csv";
        const std::string b = "b" + std::to_string(round) + ".csv";
        writeText(path(a),
                  std::string(kHeader) + "2020-02-0" + std::to_string(round + 1) + ",1,2,3,4,5,6,0,1,1,\n");
        writeText(path(b),
                  std::string(kHeader) + "2020-03-0" + std::to_string(round + 1) + ",1,2,3,4,5,6,0,1,1,\n");
        std::string import = "'";
        import.append(QUORIX_CLI).append("' import-csv --draws ").append(arg("Z.dat")).append(" ");
        std::string both = "sh -c \"";
        both.append(import).append(arg(a)).append(" >/dev/null & p=\\$!; ");
        both.append(import).append(arg(b)).append(" >/dev/null && wait \\$p\"");
        EXPECT_EQ(std::system(both.c_str()), 0) << both;
    }
    auto all = DrawFile(path("Z.dat")).readAll();
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 10u);
}

TEST_F(Cli, MakeSampleIsDeterministic) {
    const CliRun a = cli("make-sample --draws " + arg("a.dat") + " --to 1996-12-31");
    ASSERT_EQ(a.code, 0) << a.err;
    EXPECT_EQ(a.out, "{\"drawCount\":365,\"first\":\"1990-01-06\",\"last\":\"1996-12-28\"}\n");
    const CliRun b = cli("make-sample --draws " + arg("b.dat") + " --to 1996-12-31");
    EXPECT_EQ(slurp(path("a.dat")), slurp(path("b.dat")));
    const CliRun c = cli("make-sample --draws " + arg("c.dat") + " --to 1996-12-31 --seed 7");
    EXPECT_NE(slurp(path("a.dat")), slurp(path("c.dat")));

    // An empty draw file (as the program creates it) may be filled; one with draws is kept.
    ASSERT_TRUE(DrawFile(path("empty.dat")).createEmpty());
    EXPECT_EQ(cli("make-sample --draws " + arg("empty.dat") + " --to 2013-01-16").code, 0);
    const std::string listed = cli("draws --draws " + arg("empty.dat") + " --from 2013-01-09").out;
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 4); // header, 09., 12. and 16.01.2013
    EXPECT_EQ(cli("make-sample --draws " + arg("a.dat")).code, 2);
    EXPECT_EQ(slurp(path("a.dat")), slurp(path("b.dat")));
}

TEST_F(Cli, RealHistoryRoundTrip) {
    ASSERT_TRUE(fs::exists(QUORIX_REAL_DRAWS)) << "no real draw history at " << QUORIX_REAL_DRAWS;
    const CliRun r = cli("import-csv --draws " + arg("Z.dat") + " '" + QUORIX_REAL_DRAWS + "'");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    const CliRun listed = cli("draws --draws " + arg("Z.dat"));
    EXPECT_EQ(listed.out, slurp(QUORIX_REAL_DRAWS));
}

// The tip file is read and normalised as the window loads it; the draw is the first on or after
// --date, the newest without one.
TEST_F(Cli, CheckPrintsEachRowsHitsAgainstTheSelectedDraw) {
    ASSERT_TRUE(DrawFile(path("Z.dat"))
                    .rewrite({draw(2024, 3, 13, {3, 11, 17, 25, 33, 41}, 0, 4),
                              draw(2024, 3, 16, {1, 2, 3, 4, 5, 6}, 0, 2)}));
    writeText(path("t.zqt"), "41,33,25,17,11,03,4\r\n" // unsorted, a leading zero
                             "5,5,3,3,6,6,2\n"         // repeated numbers count once
                             "1,2,3\r\n"               // incomplete: no numbers, no hits
                             "1,2,3,4,5,6,3,9\r\n");   // the lucky box takes the rest
    const CliRun older =
        cli("check --draws " + arg("Z.dat") + " --tips " + arg("t.zqt") + " --date 2024-03-12");
    ASSERT_EQ(older.code, 0) << older.err;
    EXPECT_EQ(older.out.substr(0, older.out.find(",{\"row\":3")),
              "{\"date\":\"2024-03-13\",\"rows\":["
              "{\"row\":1,\"numbers\":[3,11,17,25,33,41],\"lucky\":\"4\",\"hits\":6,\"bonusHit\":false,"
              "\"luckyHit\":true},"
              "{\"row\":2,\"numbers\":[3,3,5,5,6,6],\"lucky\":\"2\",\"hits\":1,\"bonusHit\":false,"
              "\"luckyHit\":false}");
    EXPECT_NE(older.out.find("{\"row\":3,\"numbers\":[],\"lucky\":\"-\"}"), std::string::npos);
    EXPECT_NE(older.out.find("{\"row\":14,\"numbers\":[],\"lucky\":\"-\"}]}\n"), std::string::npos);

    const CliRun newest = cli("check --draws " + arg("Z.dat") + " --tips " + arg("t.zqt"));
    ASSERT_EQ(newest.code, 0) << newest.err;
    EXPECT_NE(newest.out.find("{\"date\":\"2024-03-16\""), std::string::npos);
    EXPECT_NE(newest.out.find("{\"row\":4,\"numbers\":[1,2,3,4,5,6],\"lucky\":\"3,9\",\"hits\":6,"),
              std::string::npos);

    ASSERT_TRUE(DrawFile(path("E.dat")).rewrite({}));
    for (const std::string &bad :
         {"check --draws " + arg("E.dat") + " --tips " + arg("t.zqt"),
          "check --draws " + arg("Z.dat") + " --tips " + arg("missing.zqt"),
          "check --draws " + arg("missing.dat") + " --tips " + arg("t.zqt"),
          "check --draws " + arg("Z.dat") + " --tips " + arg("t.zqt") + " --date 13.03.2024"}) {
        const CliRun r = cli(bad);
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
}
