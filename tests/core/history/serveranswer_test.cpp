#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/history/serveranswer.h"

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

struct AnswerCase {
    const char *name;
    std::string body;
    DaySerial date;
    int firstNumber; // of the draw taken; 0 when none
    const char *notice;
    const char *fault; // the start of what is said; empty when the answer is taken
};
void PrintTo(const AnswerCase &c, std::ostream *os) {
    *os << c.name;
}

class WholeAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(WholeAnswer, IsCheckedBeforeAnythingIsTaken) {
    const AnswerCase &c = GetParam();
    const ServerAnswer answer = readServerAnswer(c.body, c.date);
    EXPECT_TRUE(answer.fault.starts_with(c.fault)) << answer.fault;
    if (*c.fault) {
        EXPECT_FALSE(answer.draw);
        EXPECT_FALSE(answer.notice);
        return;
    }
    EXPECT_EQ(answer.draw ? answer.draw->draw.numbers[0] : 0, c.firstNumber);
    if (answer.draw) {
        EXPECT_EQ(answer.draw->draw.date, c.date);
    }
    EXPECT_EQ(answer.notice ? answer.notice->unread : "", c.notice);
}

const DaySerial kLuckyDay = serialFromYmd(2025, 7, 2);
const DaySerial kBonusDay = serialFromYmd(2000, 1, 8);

std::string repeated(const std::string &line, std::size_t bytes) {
    std::string body;
    while (body.size() + line.size() <= bytes)
        body += line;
    return body;
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, WholeAnswer,
    ::testing::Values(
        AnswerCase{"OneDraw", "A,3,11,17,25,33,40,0,5,7;047119;\r\n", kLuckyDay, 3, "", ""},
        AnswerCase{"DateTagOfTheDay", "20250702,3,11,17,25,33,40,0,5,7;047119;\r\n", kLuckyDay, 3, "", ""},
        AnswerCase{"NoDrawAtAll", "\r\n", kLuckyDay, 0, "", ""},
        AnswerCase{"NoticeOnly", "Wartung bis 20 Uhr", kLuckyDay, 0, "Wartung bis 20 Uhr", ""},
        AnswerCase{
            "DrawThenNoticeThenAnything",
            "A,3,11,17,25,33,40,0,5,7;047119;\nGeprueft\nA,0,0,0,0,0,0,0,0,0;\nA,3,11,17,25,33,40,0,5,7;1;\n",
            kLuckyDay, 3, "Geprueft", ""},
        AnswerCase{"BonusEraDraw", "A,4,9,17,23,38,45,12,0,0;000000;\n", kBonusDay, 4, "", ""},
        AnswerCase{"EveryValueOutOfRange", "20250702,0,43,99,255,7,7,46,9,200;12345x;\n", kLuckyDay, 0, "",
                   "number 0 is outside 1..42"},
        AnswerCase{"RepeatedNumber", "A,3,11,17,25,11,40,0,5,7;047119;\n", kLuckyDay, 0, "",
                   "number 11 is drawn twice"},
        AnswerCase{"BonusWhereTheGameHasNone", "A,3,11,17,25,33,40,8,5,7;047119;\n", kLuckyDay, 0, "",
                   "additional number 8 where the game has none"},
        AnswerCase{"LuckyWhereTheGameHasNone", "A,4,9,17,23,38,45,12,3,0;000000;\n", kBonusDay, 0, "",
                   "lucky number 3 where the game has none"},
        AnswerCase{"NumberOfTheOlderGame", "A,3,11,17,25,33,45,0,5,7;047119;\n", kLuckyDay, 0, "",
                   "number 45 is outside 1..42"},
        AnswerCase{"DateTagOfAnotherDay", "20991231,3,11,17,25,33,40,0,5,7;047119;\n", kLuckyDay, 0, "",
                   "the draw is dated 20991231, not the day asked for"},
        AnswerCase{"ThreeEqualLines", repeated("A,3,11,17,25,33,40,0,5,7;047119;\n", 99), kLuckyDay, 0, "",
                   "more than one draw"},
        AnswerCase{"SecondDrawBehindABlankLine",
                   "A,3,11,17,25,33,40,0,5,7;047119;\n\nB,4,11,17,25,33,40,0,5,7;;\n", kLuckyDay, 0, "",
                   "more than one draw"},
        AnswerCase{"BadDrawBeforeANotice", "A,3,11,17,25,33,99,0,5,7;047119;\nBitte warten\n", kLuckyDay, 0,
                   "", "number 99 is outside 1..42"},
        AnswerCase{"ValidLinesUpToTheCap",
                   repeated("A,3,11,17,25,33,40,0,5,7;047119;\n", kMaxServerAnswerBytes), kLuckyDay, 0, "",
                   "more than one draw"},
        AnswerCase{"LargerThanTheCap", std::string(kMaxServerAnswerBytes + 1, 'x'), kLuckyDay, 0, "",
                   "answer larger than 64 KiB"}));

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
