#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/history/drawcsv.h"
#include "core/hostilefiles.h"
#include "core/history/drawfile.h"
#include "core/base/random.h"

using namespace quorix;

namespace {
const char *kHeader = "date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker";
}

TEST(DrawCsv, ParsesAGoodLine) {
    const auto d = parseDrawCsvLine("2014-04-05,3,11,17,25,33,40,0,5,7,047119");
    ASSERT_TRUE(d) << d.error().message;
    EXPECT_EQ(d->date, serialFromYmd(2014, 4, 5));
    EXPECT_EQ(d->numbers, (std::array<int, 6>{3, 11, 17, 25, 33, 40}));
    EXPECT_EQ(d->lucky, 5);
    EXPECT_EQ(d->replay, 7);
    EXPECT_EQ(d->jokerString(), "047119");
    EXPECT_EQ(drawCsvLine(*d), "2014-04-05,3,11,17,25,33,40,0,5,7,047119");

    const auto old = parseDrawCsvLine("1990-03-17,45,1,2,3,4,5,44,0,255,");
    ASSERT_TRUE(old) << old.error().message;
    EXPECT_EQ(old->bonus, 44);
    EXPECT_EQ(old->jokerString(), "000000");
    EXPECT_EQ(drawCsvLine(*old), "1990-03-17,45,1,2,3,4,5,44,0,255,"); // no Joker known: empty
}

TEST(DrawCsv, RejectsHostileLines) {
    struct Case {
        const char *line;
        const char *reasonPart;
    };
    const Case cases[] = {
        {"", "11 fields"},
        {"2014-04-05,3,11,17,25,33,40,0,5,7", "11 fields"},
        {"2014-04-05,3,11,17,25,33,40,0,5,7,047119,", "11 fields"},
        {"2014-02-30,3,11,17,25,33,40,0,5,7,", "date"},
        {"05.04.2014,3,11,17,25,33,40,0,5,7,", "date"},
        {"2014-4-5,3,11,17,25,33,40,0,5,7,", "date"},
        {"2014-04-05,0,11,17,25,33,40,0,5,7,", "n1"},
        {"2014-04-05,3,11,17,25,33,46,0,5,7,", "n6"},
        {"2014-04-05,3,11,17,25,33,-4,0,5,7,", "n6"},
        {"2014-04-05,3,11,17,25,33,+4,0,5,7,", "n6"},
        {"2014-04-05,3, 11,17,25,33,40,0,5,7,", "n2"},
        {"2014-04-05,3,11,17,25,33,99999999999999999999,0,5,7,", "n6"},
        {"2014-04-05,3,11,17,25,33,0x1F,0,5,7,", "n6"},
        {"2014-04-05,3,11,17,11,33,40,0,5,7,", "twice"},
        {"2014-04-05,3,11,17,25,33,40,46,5,7,", "bonus"},
        {"2014-04-05,3,11,17,25,33,40,0,7,7,", "lucky"},
        {"2014-04-05,3,11,17,25,33,40,0,5,256,", "replay"},
        {"2014-04-05,3,11,17,25,33,40,0,5,,", "replay"},
        {"2014-04-05,3,11,17,25,33,40,0,5,7,12345", "joker"},
        {"2014-04-05,3,11,17,25,33,40,0,5,7,1234567", "joker"},
        {"2014-04-05,3,11,17,25,33,40,0,5,7,12a456", "joker"},
        {"2014-04-05,3,11,17,25,33,40,0,5,7,\"12345\"", "joker"},
        {"2014-04-05,3,11,17,25,33,4\x1b[2J,0,5,7,", "n6"},
    };
    for (const Case &c : cases) {
        const auto d = parseDrawCsvLine(c.line);
        ASSERT_FALSE(d) << c.line;
        EXPECT_NE(d.error().message.find(c.reasonPart), std::string::npos)
            << c.line << " -> " << d.error().message;
        EXPECT_EQ(d.error().message.find('\x1b'), std::string::npos) << "control bytes reach the message";
    }
}

TEST(DrawCsv, WholeTextKeepsLineNumbers) {
    const std::string text = std::string("\xEF\xBB\xBF") + kHeader +
                             "\r\n"
                             "2014-04-05,3,11,17,25,33,40,0,5,7,\r\n"
                             "\r\n"
                             "2014-04-09,3,11,17,25,33,40,0,9,7,\r\n"
                             "2014-04-12,1,2,3,4,5,6,0,1,1,000001";
    const auto csv = parseDrawCsv(text);
    ASSERT_TRUE(csv) << csv.error().message;
    ASSERT_EQ(csv->draws.size(), 2u);
    EXPECT_EQ(csv->draws[1].jokerString(), "000001");
    ASSERT_EQ(csv->rejects.size(), 1u);
    EXPECT_EQ(csv->rejects[0].line, 4u);

    EXPECT_FALSE(parseDrawCsv(""));
    EXPECT_FALSE(parseDrawCsv("2014-04-05,3,11,17,25,33,40,0,5,7,\n")); // no header
    EXPECT_FALSE(parseDrawCsv(std::string("\0\1\2binary", 9)));
    const auto headerOnly = parseDrawCsv(std::string(kHeader) + "\n");
    ASSERT_TRUE(headerOnly);
    EXPECT_TRUE(headerOnly->draws.empty());
}

// A huge line is a reject with its number, read from text or from a file; the lines
// after it keep their numbers.
TEST(DrawCsv, OverlongLineIsARejectAndTheRestIsRead) {
    const std::string good = "2014-04-05,3,11,17,25,33,40,0,5,7,\n";
    const std::string text = std::string(kHeader) + "\n" + std::string(3'000'000, ',') + "\n" + good +
                             std::string(kMaxDrawCsvLineBytes + 1, ' ') + "\n" + good;
    const auto fromText = parseDrawCsv(text);
    ASSERT_TRUE(fromText) << fromText.error().message;

    const auto file = std::filesystem::temp_directory_path() / ("quorix-csv-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << text;
    const auto fromFile = readDrawCsv(file);
    std::filesystem::remove(file);
    ASSERT_TRUE(fromFile) << fromFile.error().message;

    for (const auto *csv : {&*fromText, &*fromFile}) {
        EXPECT_EQ(csv->draws.size(), 2u);
        ASSERT_EQ(csv->rejects.size(), 2u);
        EXPECT_EQ(csv->rejects[0].line, 2u);
        EXPECT_NE(csv->rejects[0].reason.find("longer than"), std::string::npos) << csv->rejects[0].reason;
        EXPECT_EQ(csv->rejects[1].line, 4u);
    }
    // A header line that never ends is no header.
    EXPECT_FALSE(parseDrawCsv(std::string(kHeader) + std::string(5000, 'x')));
}

// Only a regular file within the limit is read, as CSV or as a history; a FIFO or /dev/zero is
// refused at once, not waited on or read without end.
TEST(DrawCsv, HostileFilesAreRefusedNamingThem) {
    quorix::testing::expectHostileFilesRefused(kMaxDrawCsvFileBytes, [](const std::filesystem::path &path) {
        return quorix::testing::errorOf(readDrawCsv(path));
    });
    quorix::testing::expectHostileFilesRefused(kMaxDrawCsvFileBytes, [](const std::filesystem::path &path) {
        return quorix::testing::errorOf(readDrawHistory(path));
    });
}

TEST(DrawCsv, TextIsToldApartFromDrawRecords) {
    const DrawRecord record = DrawRecord::fromDraw(*parseDrawCsvLine("2014-04-05,3,11,17,25,33,40,0,5,7,"));
    const std::string recordBytes(reinterpret_cast<const char *>(record.bytes.data()), record.bytes.size());
    struct Case {
        std::string bytes;
        bool csv;
    };
    const Case cases[] = {
        {std::string(kHeader) + "\n", true},
        {"\xEF\xBB\xBF" + std::string(kHeader), true},
        {"Datum;Zahlen\r\n", true}, // text, though not our header: the CSV reader says what is wrong
        {"dat", true},
        {recordBytes, false},
        {"", false},
        {std::string("date\0\0\0\0", 8), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(looksLikeDrawCsv(c.bytes), c.csv) << c.bytes;
}

TEST(DrawCsv, MergeReplacesDatesAndKeepsOrder) {
    auto draw = [](int day, int first) {
        Draw d;
        d.date = serialFromYmd(2020, 1, day);
        d.numbers = {first, first + 1, first + 2, first + 3, first + 4, first + 5};
        return d;
    };
    const std::vector<Draw> existing = {draw(4, 1), draw(8, 2), draw(8, 3), draw(15, 4)};
    const std::vector<Draw> incoming = {draw(11, 10), draw(8, 20), draw(1, 30), draw(8, 21)};
    const std::vector<Draw> merged = mergeDraws(existing, incoming);
    EXPECT_EQ(merged, (std::vector<Draw>{draw(1, 30), draw(4, 1), draw(8, 21), draw(11, 10), draw(15, 4)}));
}

TEST(DrawCsv, MutatedLinesParseToValidDrawsOrAreRejected) {
    // Random byte edits of a good line: whatever is accepted must satisfy every rule.
    const std::string good = "2014-04-05,3,11,17,25,33,40,0,5,7,047119";
    const std::string alphabet = "0123456789,-+ x\r\"\xff";
    Random random(99);
    for (int round = 0; round < 20000; ++round) {
        std::string line = good;
        const int edits = 1 + static_cast<int>(random.below(3));
        for (int e = 0; e < edits; ++e) {
            const std::size_t pos = random.below(static_cast<std::uint32_t>(line.size() + 1));
            const char c = alphabet[random.below(static_cast<std::uint32_t>(alphabet.size()))];
            switch (random.below(3)) {
            case 0:
                line.insert(pos, 1, c);
                break;
            case 1:
                if (pos < line.size()) line.erase(pos, 1);
                break;
            default:
                if (pos < line.size()) line[pos] = c;
                break;
            }
        }
        const auto d = parseDrawCsvLine(line);
        if (!d) continue;
        SCOPED_TRACE(line);
        EXPECT_EQ(drawCsvLine(*d).substr(0, 10), line.substr(0, 10));
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_TRUE(d->numbers[i] >= 1 && d->numbers[i] <= 45);
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_NE(d->numbers[i], d->numbers[j]);
        }
        EXPECT_TRUE(d->bonus >= 0 && d->bonus <= 45);
        EXPECT_TRUE(d->lucky >= 0 && d->lucky <= 6);
        EXPECT_TRUE(d->replay >= 0 && d->replay <= 255);
        for (int digit : d->joker)
            EXPECT_TRUE(digit >= 0 && digit <= 9);
    }
}
