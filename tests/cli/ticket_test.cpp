#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "clirun.h"

using quorix::test::CliRun;
using quorix::test::runCli;
namespace fs = std::filesystem;

namespace {

class TicketCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir =
            fs::temp_directory_path() / ("quorix-ticket-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // A tip file of these 14 lines (missing lines are empty rows).
    std::string tips(const std::string &name, const std::string &lines) const {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << lines;
        return "'" + path.string() + "'";
    }
    CliRun cli(const std::string &args) const { return runCli(m_dir, "ticket-marks " + args); }

    fs::path m_dir;
};

TEST_F(TicketCli, PrintsTheMarksInTheOrderTheyAreSet) {
    // Rows 1, 2 and 5: row 5 takes slot 2. " 07" is the field's 7; row 3's lucky "-" prints nothing.
    const std::string file = tips("a.zqt", "1,42,,,,,1\r\n8,,,,,,-\r\n,,,,,,-\r\n\r\n 07,,,,,,6\r\n");
    const CliRun run = cli("--tips " + file + " --saturday --joker 3 --joker 1");
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, R"({"marks":[{"kind":"day","left":162,"top":356},)"
                       R"({"kind":"joker","left":162,"top":376},{"kind":"joker","left":476,"top":376},)"
                       R"({"kind":"number","row":1,"field":1,"left":32,"top":53},)"
                       R"({"kind":"number","row":1,"field":2,"left":102,"top":149},)"
                       R"({"kind":"lucky","row":1,"left":34,"top":181},)"
                       R"({"kind":"number","row":2,"field":1,"left":46,"top":213},)"
                       R"({"kind":"number","row":5,"field":1,"left":113,"top":69},)"
                       R"({"kind":"lucky","row":5,"left":195,"top":181}]})"
                       "\n");
    // Offsets move everything; both days give the two-day mark.
    const CliRun moved = cli("--tips " + file + " --top 0 --left 100 --saturday --wednesday");
    EXPECT_EQ(moved.code, 0) << moved.err;
    EXPECT_EQ(moved.out.substr(0, 58), R"({"marks":[{"kind":"day","left":245,"top":303},{"kind":"num)");
    EXPECT_EQ(cli("--tips " + tips("e.zqt", "")).out, "{\"marks\":[]}\n");
}

TEST_F(TicketCli, BadInputExitsWithAMessage) {
    const std::string good = tips("g.zqt", "1,2,3,4,5,6,-\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {"--tips " + tips("l.zqt", "1,2,3,4,5,6,3,9\r\n"), "'3,9' in row 1 is not a whole number"},
        {"--tips " + tips("r.zqt", "1,2,3,4,5,6,-\r\n,5,,,,,-\r\n"),
         "row 2: the first number field is empty"},
        {"--tips " + good + " --top 101", "--top must be an integer 0..100"},
        {"--tips " + good + " --left -1", "--left must be an integer 0..100"},
        {"--tips " + good + " --joker 4", "--joker must be 1, 2 or 3"},
        {"--tips " + good + " --joker", "--joker needs a value"},
        {"--tips '" + (m_dir / "missing.zqt").string() + "'", "missing.zqt"},
        {"", "--tips is missing"},
        {"--tips " + good + " extra", "unexpected argument extra"},
    };
    for (const auto &[args, message] : cases) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_NE(run.err.find(message), std::string::npos) << args << ": " << run.err;
    }
}

} // namespace
