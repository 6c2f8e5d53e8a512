#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "core/base/calendar.h"
#include "core/hostilefiles.h"
#include "output/tipfile.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

TipRow row(std::array<std::string, 6> numbers, std::string lucky = "-") {
    TipRow r;
    r.numbers = std::move(numbers);
    r.lucky = std::move(lucky);
    return r;
}

DaySerial day(const char *iso) {
    return *parseIsoDate(iso);
}

std::string slurp(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class Folder {
public:
    Folder()
        : m_path(fs::temp_directory_path() / ("quorix-zqt-" + std::to_string(::getpid()))) {
        fs::create_directories(m_path);
    }
    ~Folder() { fs::remove_all(m_path); }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

const std::string kEmptyLine = ",,,,,,-\r\n";

} // namespace

TEST(TipFile, WritesFourteenLinesWithTextsUnchanged) {
    TipSheet sheet;
    sheet.rows[0] = row({"3", "11", "17", "25", "33", "41"}, "4");
    std::string expected = "3,11,17,25,33,41,4\r\n";
    for (int r = 1; r < 14; ++r)
        expected += kEmptyLine;
    EXPECT_EQ(TipFile::format(sheet), expected);

    sheet.rows[13] = row({"", "x", "", "", "", "07"}, "a,b");
    sheet.rows[13].locked = true; // the lock is not part of the file
    EXPECT_TRUE(TipFile::format(sheet).ends_with(kEmptyLine + ",x,,,,07,a,b\r\n"));
}

TEST(TipFile, SplitsALineIntoFieldsAndLuckyText) {
    struct Case {
        const char *line;
        std::array<std::string, 6> numbers;
        const char *lucky;
    };
    const Case cases[] = {
        {"1,2,3,4,5,6", {"1", "2", "3", "4", "5", "6"}, "-"},
        {"1,2,3,4,5,6,3", {"1", "2", "3", "4", "5", "6"}, "3"},
        {"1,2,3,4,5,6,3,9", {"1", "2", "3", "4", "5", "6"}, "3,9"},
        // Texts come unchanged; the sheet's fields normalise them.
        {"1,2,50,x,05,6,-", {"1", "2", "50", "x", "05", "6"}, "-"},
        {"1,2,3", {"1", "2", "", "", "", "3"}, "-"},
        {"", {"", "", "", "", "", ""}, "-"},
        {",,,,,,", {"", "", "", "", "", ""}, ""},
        {"no commas at all", {"", "", "", "", "", "no commas at all"}, "-"},
    };
    for (const Case &c : cases) {
        const TipRow parsed = TipFile::parseLine(c.line);
        EXPECT_EQ(parsed.numbers, c.numbers) << c.line;
        EXPECT_EQ(parsed.lucky, c.lucky) << c.line;
        EXPECT_FALSE(parsed.locked);
    }
}

TEST(TipFile, ReadsLinesIntoRowsWhateverTheFile) {
    const TipRow empty = row({"", "", "", "", "", ""});
    struct Case {
        const char *what;
        std::string bytes;
        std::vector<std::pair<int, TipRow>> rows; // everything else empty with "-"
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"five lines with LF",
         "1,2,3,4,5,6,1\n\n7,8,9,10,11,12\n,,,,,,\n13\n",
         {{0, row({"1", "2", "3", "4", "5", "6"}, "1")},
          {2, row({"7", "8", "9", "10", "11", "12"})},
          {3, row({"", "", "", "", "", ""}, "")},
          {4, row({"", "", "", "", "", "13"})}}},
        {"lines after the 14th ignored", std::string(14, '\n') + "1,2,3,4,5,6,2\r\n", {}},
        {"lone CR ends a line",
         "1,2,3,4,5,6,2\r9,8,7,6,5,4,3",
         {{0, row({"1", "2", "3", "4", "5", "6"}, "2")}, {1, row({"9", "8", "7", "6", "5", "4"}, "3")}}},
        {"byte-order marks before the first field",
         "\xEF\xBB\xBF\xEF\xBB\xBF"
         "5,,,,,,1",
         {{0, row({"5", "", "", "", "", ""}, "1")}}},
        {"Windows-1252 text", "1,2,3,4,5,6,\xe4\r\n", {{0, row({"1", "2", "3", "4", "5", "6"}, "\xC3\xA4")}}},
        {"NUL bytes kept as text",
         std::string("1\0,2", 4),
         {{0, row({std::string("1\0", 2), "", "", "", "", "2"})}}},
        {"huge line cut",
         std::string(100000, '7') + ",1\r\n2,,,,,,3",
         {{0, row({"", "", "", "", "", std::string(1000, '7')})}, {1, row({"2", "", "", "", "", ""}, "3")}}},
    };
    for (const Case &c : cases) {
        TipSheet expected;
        for (TipRow &r : expected.rows)
            r = empty;
        for (const auto &[index, r] : c.rows)
            expected.rows[static_cast<std::size_t>(index)] = r;
        EXPECT_EQ(TipFile::parse(c.bytes), expected) << c.what;
    }
}

TEST(TipFile, SaveAndLoadGiveBackEveryText) {
    const Folder folder;
    TipSheet sheet;
    sheet.rows[0] = row({"7", "12", "19", "23", "38", "42"}, "2");
    sheet.rows[5] = row({"1", "", "3", "", "", "42"}, "6");
    sheet.rows[13] = row({"40", "41", "42", "1", "2", "3"}, "\xC3\xA4,x"); // kept unchanged
    const fs::path path = folder.path() / "20150930.zqt";
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(5000, 'o'); // a longer earlier file leaves nothing behind
    }
    ASSERT_TRUE(TipFile::write(path, sheet).ok());
    EXPECT_EQ(slurp(path), TipFile::format(sheet));
    const Result<TipSheet> back = TipFile::read(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, sheet);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(TipFile, FailedSaveOrLoadReportsAndLeavesNothing) {
    const Folder folder;
    TipSheet sheet;
    const Result<void> missing = TipFile::write(folder.path() / "missing" / "a.zqt", sheet);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().message.find("a.zqt"), std::string::npos);

    // The target cannot be replaced: the error comes back and no temporary file stays.
    fs::create_directories(folder.path() / "taken.zqt" / "inside");
    EXPECT_FALSE(TipFile::write(folder.path() / "taken.zqt", sheet).ok());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

    const Result<TipSheet> unread = TipFile::read(folder.path() / "none.zqt");
    ASSERT_FALSE(unread.ok());
    EXPECT_EQ(unread.error().code, Error::Code::NotFound);
}

TEST(TipFile, HostileFilesAreRefusedNamingThem) {
    quorix::testing::expectHostileFilesRefused(TipFile::kMaxFileBytes, [](const fs::path &path) {
        return quorix::testing::errorOf(TipFile::read(path));
    });
}

TEST(TipFile, ProposedNameFollowsTheEndDate) {
    const DaySerial today = day("2026-12-10");
    struct Case {
        const char *endDate;
        const char *name;
    };
    const Case cases[] = {
        {"2015-09-26", "20150930.zqt"}, // Saturday: the Wednesday after
        {"2015-09-30", "20151003.zqt"}, // Wednesday: the Saturday after
        {"2015-09-27", "20150930.zqt"}, // Sunday: the Wednesday after
        {"2015-09-28", "20261210.zqt"}, // Monday: today
        {"2015-10-02", "20261210.zqt"}, // Friday: today
    };
    for (const Case &c : cases)
        EXPECT_EQ(TipFile::proposedName(day(c.endDate), today), c.name) << c.endDate;
}

TEST(TipList, NextDrawDateFollowsTheWeekdaysInUse) {
    const DaySerial wednesday = day("2015-09-30");
    const DaySerial saturday = day("2015-10-03");
    EXPECT_EQ(formatDmy(TipList::nextDrawDate(wednesday, true, true)), "03.10.2015");
    EXPECT_EQ(formatDmy(TipList::nextDrawDate(saturday, true, true)), "07.10.2015");
    EXPECT_EQ(formatDmy(TipList::nextDrawDate(wednesday, true, false)), "07.10.2015");
    EXPECT_EQ(formatDmy(TipList::nextDrawDate(wednesday, false, true)), "07.10.2015");
    EXPECT_EQ(formatDmy(TipList::nextDrawDate(wednesday, false, false)), "07.10.2015");
    EXPECT_EQ(TipList::title("Quorix www.sorvani.example", day("2015-10-03"), "Samstag"),
              "Quorix www.sorvani.example Tipp f\xC3\xBCr Samstag 03.10.15");
}

TEST(TipList, ListsFilledRowsInTheirLayout) {
    TipSheet sheet;
    sheet.rows[0] = row({"7", "12", "19", "23", "38", "42"}, "2");
    sheet.rows[1] = row({"", "1", "2", "3", "4", "5"}, "3"); // first field empty: not listed
    sheet.rows[9] = row({"1", "2", "3", "4", "5", "6"}, "-");
    const Result<std::vector<std::string>> lines = TipList::lines(sheet, "Title", "Tipp");
    ASSERT_TRUE(lines.ok());
    const std::vector<std::string> expected = {
        "Title",
        std::string(46, '~'),
        "",
        " 1. Tipp:  7   12   19   23   38   42  Plus: 2",
        "10. Tipp:  1    2    3    4    5    6  Plus: -",
    };
    EXPECT_EQ(*lines, expected);

    const Folder folder;
    const fs::path path = folder.path() / TipList::kFileName;
    ASSERT_TRUE(TipList::write(path, *lines).ok());
    EXPECT_EQ(slurp(path),
              "Title\r\n" + std::string(46, '~') + "\r\n\r\n" + expected[3] + "\r\n" + expected[4] + "\r\n");
}

TEST(TipList, ARowThatIsNoNumberNamesTheText) {
    for (const char *bad : {"", "x", "4a", " 5", "99999999999"}) {
        TipSheet sheet;
        sheet.rows[0] = row({"1", "2", "3", "4", "5", "6"});
        sheet.rows[2] = row({"1", "2", "3", bad, "5", "6"});
        const Result<std::vector<std::string>> lines = TipList::lines(sheet, "T", "Tipp");
        ASSERT_FALSE(lines.ok()) << bad;
        EXPECT_EQ(lines.error().code, Error::Code::BadInput);
        EXPECT_NE(lines.error().message.find("'" + std::string(bad) + "'"), std::string::npos) << bad;
        EXPECT_NE(lines.error().message.find("row 3"), std::string::npos) << bad;
    }
}
