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

class FillScriptCli : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::temp_directory_path() /
                ("quorix-fillscript-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        // Row 1 as the window loads it: "07" becomes 7 and "x" an empty field; row 10 starts with 17.
        std::string tips = "07,11,19,x,30,41,3\r\n";
        for (int r = 2; r <= 14; ++r)
            tips += r == 10 ? "17,2,8,14,26,39,-\r\n" : ",,,,,,-\r\n";
        write("t.zqt", tips);
        write("s.zqs", "Tipp [Z1_1] [Z1_10] [PLUS1] <[Z4_1]> [z1_1]\n"
                       "[MI] [SA] [MISA] [JOKER1] [JOKER2] [JOKER3]\r\n"
                       "\xC4 [MELDUNGFERTIG]");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void write(const char *name, const std::string &bytes) const {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }
    std::string path(const char *name) const { return "'" + (m_dir / name).string() + "'"; }
    CliRun cli(const std::string &args) const { return runCli(m_dir, "fill-script " + args); }

    fs::path m_dir;
};

TEST_F(FillScriptCli, PrintsTheFilledScriptAsWritten) {
    const std::string head = "Tipp 7 17 3 <> [z1_1]\r\n";
    const std::string tail = "\xC4 Bitte \xFC"
                             "berpr\xFC"
                             "fen Sie jetzt den Tipp und dann k\xF6nnen Sie ihn abgeben!\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "NEIN NEIN NEIN NEIN NEIN NEIN"},
        {"--saturday --joker 3", "NEIN JA NEIN NEIN NEIN JA"},
        {"--wednesday --saturday --joker 1 --joker 2 --joker 1", "JA JA JA JA JA NEIN"},
    };
    for (const auto &[options, days] : cases) {
        const CliRun run = cli("--script " + path("s.zqs") + " --tips " + path("t.zqt") + " " + options);
        ASSERT_EQ(run.code, 0) << options << run.err;
        std::string expected = head;
        expected.append(days).append("\r\n").append(tail);
        EXPECT_EQ(run.out, expected) << options;
    }
}

TEST_F(FillScriptCli, BadInputExitsWithTwo) {
    write("arrow.zqs", "ok\n\xE2\x86\x92\n");
    const std::string both = "--script " + path("s.zqs") + " --tips " + path("t.zqt");
    const std::string cases[] = {
        "--tips " + path("t.zqt"),
        "--script " + path("s.zqs"),
        both + " --joker 4",
        both + " --joker",
        both + " --sunday",
        both + " extra",
        "--script " + path("missing.zqs") + " --tips " + path("t.zqt"),
        "--script " + path("s.zqs") + " --tips " + path("missing.zqt"),
        "--script " + path("arrow.zqs") + " --tips " + path("t.zqt"),
    };
    for (const std::string &args : cases) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_NE(run.err.find("quorix-cli: "), std::string::npos) << args;
    }
}

} // namespace
