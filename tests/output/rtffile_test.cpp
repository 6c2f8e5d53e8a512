#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "output/repetitionreport.h"
#include "output/rtffile.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

struct EscapeCase {
    const char *name;
    std::string text;
    std::string rtf;
};

void PrintTo(const EscapeCase &c, std::ostream *os) {
    *os << c.name;
}

class RtfEscape : public ::testing::TestWithParam<EscapeCase> {};

std::string slurp(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST_P(RtfEscape, Table) {
    EXPECT_EQ(RtfFile::escape(GetParam().text), GetParam().rtf);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfEscape,
    ::testing::Values(EscapeCase{"plainAsciiStays", "3x    =>12", "3x    =>12"},
                      EscapeCase{"groupAndEscapeCharacters", "a\\b{c}d", "a\\\\b\\{c\\}d"},
                      EscapeCase{"injectedControlWordIsText", "}\\par{\\b x", "\\}\\\\par\\{\\\\b x"},
                      EscapeCase{"latinAsHexBytes", "Gleiche Zahlen mit der übernächsten Ziehung",
                                 "Gleiche Zahlen mit der \\'fcbern\\'e4chsten Ziehung"},
                      EscapeCase{"windows1252Extras", "\xE2\x82\xAC \xE2\x80\x93 \xC5\x92",
                                 "\\'80 \\'96 \\'8c"},
                      EscapeCase{"othersAsSigned16BitUnicode", "Ж ğ \xEF\xBF\xBD", "\\u1046? \\u287? \\u-3?"},
                      EscapeCase{"beyondTheBmpAsSurrogates", "\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
                      EscapeCase{"tabAndBreaks", "a\tb\r\nc\nd\re", "a\\tab b\\line c\\line d\\line e"},
                      EscapeCase{"controlCharactersDropped",
                                 std::string("a\0b\x1B\x7F"
                                             "c",
                                             6),
                                 "abc"},
                      EscapeCase{"invalidUtf8ReadAsWindows1252", "gr\xFC\xDF \x80", "gr\\'fc\\'df \\'80"}));

TEST(RtfFile, OneParagraphPerLineInOneGroup) {
    const std::vector<std::string> lines = {"Gleiche Zahlen", " ", "0x    =>3", ""};
    const std::string rtf = RtfFile::format(lines);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0U) << rtf;
    EXPECT_NE(rtf.find("\\fs20 Gleiche Zahlen\\par\r\n \\par\r\n0x    =>3\\par\r\n\\par\r\n}\r\n"),
              std::string::npos)
        << rtf;
    // The groups balance: escaped braces are text.
    const std::string hostile = RtfFile::format(std::vector<std::string>{"}}}{", "\\"});
    int depth = 0;
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        if (hostile[i] == '\\') {
            ++i;
            continue;
        }
        if (hostile[i] == '{') ++depth;
        if (hostile[i] == '}') --depth;
        EXPECT_TRUE(depth > 0 || i + 3 >= hostile.size()) << hostile;
    }
    EXPECT_EQ(depth, 0);
}

TEST(RtfFile, WriteReplacesTheFileAndAFailureKeepsIt) {
    const fs::path dir = fs::temp_directory_path() / ("quorix-rtf-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / RepetitionReport::kFileName;
    { std::ofstream(file) << "old"; }
    const std::vector<std::string> lines = {"neu"};
    ASSERT_TRUE(RtfFile::write(file, lines).ok());
    EXPECT_EQ(slurp(file), RtfFile::format(lines));
    if (::geteuid() != 0) { // root writes into a read-only folder anyway
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        const Result<void> failed = RtfFile::write(file, std::vector<std::string>{"x"});
        fs::permissions(dir, fs::perms::owner_all);
        EXPECT_FALSE(failed.ok());
        EXPECT_EQ(slurp(file), RtfFile::format(lines));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(RepetitionReport, HeadingsAndSevenLinesPerTable) {
    RepetitionTables tables;
    tables.earlier = {1, 2, 3, 12, 5, 6, 7};
    tables.next1 = {10, 0, 0, 0, 0, 0, 0};
    tables.next3[6] = 4;
    const std::vector<std::string> lines = RepetitionReport::lines(tables, {"E", "N1", "N2", "N3"});
    const std::vector<std::string> expected = {
        "E",         "0x    =>1", "1x    =>2", "2x    =>3",  "3x    =>12", "4x    =>5", "5x    =>6",
        "6x    =>7", " ",         "N1",        "0x    =>10", "1x    =>0",  "2x    =>0", "3x    =>0",
        "4x    =>0", "5x    =>0", "6x    =>0", " ",          "N2",         "0x    =>0", "1x    =>0",
        "2x    =>0", "3x    =>0", "4x    =>0", "5x    =>0",  "6x    =>0",  " ",         "N3",
        "0x    =>0", "1x    =>0", "2x    =>0", "3x    =>0",  "4x    =>0",  "5x    =>0", "6x    =>4"};
    EXPECT_EQ(lines, expected);
}
