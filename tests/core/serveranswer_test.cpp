#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/serveranswer.h"

using namespace quorix;

namespace {

const DaySerial kDate = serialFromYmd(2014, 4, 9);

struct DrawCase {
    const char *name;
    const char *line;
    std::array<int, 6> numbers;
    int bonus, lucky, replay;
    std::array<int, 6> joker;
    const char *jokerText;
    const char *jokerShown;
};
void PrintTo(const DrawCase &c, std::ostream *os) {
    *os << c.name;
}

class ServerDrawLine : public ::testing::TestWithParam<DrawCase> {};

TEST_P(ServerDrawLine, ReadsEveryField) {
    const DrawCase &c = GetParam();
    const ServerLine parsed = parseServerLine(c.line, kDate);
    const auto *draw = std::get_if<ServerDraw>(&parsed);
    ASSERT_TRUE(draw) << c.line;
    EXPECT_EQ(draw->draw.date, kDate);
    EXPECT_EQ(draw->draw.numbers, c.numbers);
    EXPECT_EQ(draw->draw.bonus, c.bonus);
    EXPECT_EQ(draw->draw.lucky, c.lucky);
    EXPECT_EQ(draw->draw.replay, c.replay);
    EXPECT_EQ(draw->draw.joker, c.joker);
    EXPECT_EQ(draw->jokerText, c.jokerText);
    EXPECT_EQ(draw->jokerShown, c.jokerShown);
}

constexpr std::array<int, 6> kNumbers{3, 11, 17, 25, 33, 40};
constexpr std::array<int, 6> kJoker{0, 4, 7, 1, 1, 9};
constexpr std::array<int, 6> kNoJoker{};

INSTANTIATE_TEST_SUITE_P(
    Table, ServerDrawLine,
    ::testing::Values(
        DrawCase{"Plain", "A,3,11,17,25,33,40,0,5,7;047119;", kNumbers, 0, 5, 7, kJoker, "047119", "047119"},
        DrawCase{"TagIgnoredRestIgnored", "20140409,3,11,17,25,33,40,8,5,7;047119;whatever,;x", kNumbers, 8,
                 5, 7, kJoker, "047119", "047119"},
        DrawCase{"EmptyTag", ",3,11,17,25,33,40,0,5,7;047119;", kNumbers, 0, 5, 7, kJoker, "047119",
                 "047119"},
        DrawCase{"JokerWithoutClosingSemicolon", "A,3,11,17,25,33,40,0,5,7;047119", kNumbers, 0, 5, 7, kJoker,
                 "047119", "000000"},
        DrawCase{"ShortJokerGivesZeros", "A,3,11,17,25,33,40,0,5,7;04711;", kNumbers, 0, 5, 7, kNoJoker,
                 "04711", "04711"},
        DrawCase{"JokerWithLetterGivesZeros", "A,3,11,17,25,33,40,0,5,7;04a119;", kNumbers, 0, 5, 7, kNoJoker,
                 "04a119", "04a119"},
        DrawCase{"LongJokerTakesFirstSix", "A,3,11,17,25,33,40,0,5,7;0471195;", kNumbers, 0, 5, 7, kJoker,
                 "0471195", "0471195"},
        DrawCase{"EmptyJoker", "A,3,11,17,25,33,40,0,5,7;", kNumbers, 0, 5, 7, kNoJoker, "", "000000"},
        DrawCase{"LeadingZerosAndByteLimit",
                 "A,003,11,17,25,33,255,0,5,7;047119;",
                 {3, 11, 17, 25, 33, 255},
                 0,
                 5,
                 7,
                 kJoker,
                 "047119",
                 "047119"}));

struct NoticeCase {
    const char *name;
    const char *line;
    const char *unread;
};
void PrintTo(const NoticeCase &c, std::ostream *os) {
    *os << c.name;
}

class ServerNoticeLine : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(ServerNoticeLine, ShowsWhatWasUnread) {
    const NoticeCase &c = GetParam();
    const ServerLine parsed = parseServerLine(c.line, kDate);
    const auto *notice = std::get_if<ServerNotice>(&parsed);
    ASSERT_TRUE(notice) << c.line;
    EXPECT_EQ(notice->unread, c.unread);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, ServerNoticeLine,
    ::testing::Values(
        NoticeCase{"TextWithoutComma", "Die Zahlen sind noch nicht freigegeben.",
                   "Die Zahlen sind noch nicht freigegeben."},
        NoticeCase{"Empty", "", ""},
        NoticeCase{"TextAfterComma", "Achtung, Wartung bis 20 Uhr", " Wartung bis 20 Uhr"},
        NoticeCase{"TooFewFields", "A,3,11,17", "17"},
        NoticeCase{"LetterInNumber", "A,3,11,1x,25,33,40,0,5,7;047119;", "1x,25,33,40,0,5,7;047119;"},
        NoticeCase{"EmptyNumber", "A,3,,17,25,33,40,0,5,7;047119;", ",17,25,33,40,0,5,7;047119;"},
        NoticeCase{"Blank", "A,3, 11,17,25,33,40,0,5,7;047119;", " 11,17,25,33,40,0,5,7;047119;"},
        NoticeCase{"Negative", "A,-3,11,17,25,33,40,0,5,7;047119;", "-3,11,17,25,33,40,0,5,7;047119;"},
        NoticeCase{"AboveAByte", "A,3,11,17,25,33,256,0,5,7;047119;", "256,0,5,7;047119;"},
        NoticeCase{"Overflow", "A,3,11,17,25,33,99999999999999999999,0,5,7;1;",
                   "99999999999999999999,0,5,7;1;"},
        NoticeCase{"ReplayWithoutSemicolon", "A,3,11,17,25,33,40,0,5,7", "7"},
        NoticeCase{"ReplayNotANumber", "A,3,11,17,25,33,40,0,5,R;047119;", "R;047119;"},
        NoticeCase{"SemicolonInsteadOfComma", "A;3;11;17;25;33;40;0;5;7;047119;",
                   "A;3;11;17;25;33;40;0;5;7;047119;"},
        NoticeCase{"HtmlErrorPage", "<html><body>Fehler, bitte spaeter</body></html>",
                   " bitte spaeter</body></html>"}));

TEST(ServerAnswer, SplitsLinesDecodesAndSkipsBlankOnes) {
    // CR LF and LF, a blank line in between and at the end, a Windows-1252 umlaut of an older server.
    const std::string body = "a,1,2,3,4,5,6,0,1,2;123456;\r\n\r\n   \nGew\xe4hr\n";
    const auto lines = serverAnswerLines(body);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "a,1,2,3,4,5,6,0,1,2;123456;");
    EXPECT_EQ(lines[1], "Gew\xc3\xa4hr");
    EXPECT_TRUE(serverAnswerLines("").empty());
    EXPECT_TRUE(serverAnswerLines("\r\n").empty());
}

TEST(ServerAnswer, ServedLineReadsBack) {
    Draw d;
    d.date = kDate;
    d.numbers = {1, 7, 19, 23, 38, 42};
    d.bonus = 12;
    d.lucky = 6;
    d.replay = 9;
    d.joker = {0, 0, 3, 0, 0, 1};
    EXPECT_EQ(serverLineFor(d), "20140409,1,7,19,23,38,42,12,6,9;003001;");
    const ServerLine back = parseServerLine(serverLineFor(d), kDate);
    ASSERT_TRUE(std::holds_alternative<ServerDraw>(back));
    EXPECT_EQ(std::get<ServerDraw>(back).draw, d);
}

} // namespace
