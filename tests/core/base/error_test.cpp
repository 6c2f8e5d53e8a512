#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/base/atomicfile.h"
#include "core/base/error.h"
#include "core/base/regularfile.h"
#include "core/history/drawcsv.h"
#include "core/history/drawfile.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

class ErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("quorix-error-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path write(const std::string &name, const std::string &bytes) const {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
        return m_folder / name;
    }

    fs::path m_folder;
};

Error made(ErrorKind kind, const std::function<void(Error &)> &values) {
    Error error = errorOf(Error::Code::BadInput, kind);
    values(error);
    return describedError(std::move(error));
}

// The English line of every kind is the one quorix-cli printed before errors had kinds; the
// values go where the text names them.
TEST(Error, EveryKindRendersItsEnglishLineFromItsValues) {
    const auto cause =
        std::make_shared<const Error>(made(ErrorKind::NumberTwice, [](Error &e) { e.number = 5; }));
    struct Case {
        ErrorKind kind;
        std::function<void(Error &)> values;
        std::string english;
    };
    const std::vector<Case> cases{
        {ErrorKind::CannotOpen, [](Error &e) { e.path = "/t/a.zqs", e.reason = "Permission denied"; },
         "Cannot open /t/a.zqs: Permission denied"},
        {ErrorKind::CannotRead, [](Error &e) { e.path = "a", e.reason = "Is a directory"; },
         "Cannot read a: Is a directory"},
        {ErrorKind::CannotCreate, [](Error &e) { e.path = "a", e.reason = "x"; }, "Cannot create a: x"},
        {ErrorKind::CannotWrite, [](Error &e) { e.path = "a", e.reason = "x"; }, "Cannot write a: x"},
        {ErrorKind::CannotReplace, [](Error &e) { e.path = "a", e.other = "a~", e.reason = "x"; },
         "Cannot replace a by a~: x"},
        {ErrorKind::NotRegularFile, [](Error &e) { e.path = "d"; }, "d is not a regular file"},
        {ErrorKind::FileTooLarge, [](Error &e) { e.path = "f", e.number = 64 * 1024; },
         "f is larger than 64 KiB"},
        {ErrorKind::CannotLock, [](Error &e) { e.path = "Z", e.other = "Z.lock", e.reason = "x"; },
         "Cannot lock Z (Z.lock): x"},
        {ErrorKind::LockIsLink, [](Error &e) { e.path = "Z", e.other = "L"; },
         "Cannot lock Z (L): it is a symbolic link, not a lock file; remove it to let the draw file be "
         "written"},
        {ErrorKind::LockIsFolder, [](Error &e) { e.path = "Z", e.other = "L"; },
         "Cannot lock Z (L): it is a folder, not a lock file; remove it to let the draw file be written"},
        {ErrorKind::LockNotRegular, [](Error &e) { e.path = "Z", e.other = "L"; },
         "Cannot lock Z (L): it is not a regular file; remove it to let the draw file be written"},
        {ErrorKind::DrawFileBusy, [](Error &e) { e.path = "Z"; },
         "Z is being written by another program; try again when it has finished"},
        {ErrorKind::NotADrawFile,
         [](Error &e) {
             e.path = "Z";
             e.cause = std::make_shared<const Error>(
                 made(ErrorKind::DrawRecordEarlier, [](Error &c) { c.line = 3; }));
         },
         "Z does not look like a draw file (record 3 is dated before the record in front of it); it is left "
         "as it is"},
        {ErrorKind::DrawFileSizeOdd, [](Error &e) { e.number = 50, e.high = 24, e.low = 2; },
         "its size of 50 bytes is not whole 24-byte records; 2 bytes are left over"},
        {ErrorKind::DrawRecordUndated, [](Error &e) { e.line = 7; },
         "record 7 has no date between 1970 and a year from today"},
        {ErrorKind::CsvNoHeader, [](Error &e) { e.text = "h"; }, "line 1 is not the header \"h\""},
        {ErrorKind::CsvEmpty, [](Error &e) { e.text = "h"; }, "empty file; expected the header \"h\""},
        {ErrorKind::CsvBadLine, [&](Error &e) { e.path = "d.csv", e.line = 4, e.cause = cause; },
         "d.csv line 4: number 5 occurs twice"},
        {ErrorKind::CsvLineTooLong, [](Error &e) { e.number = 1000; }, "line is longer than 1000 bytes"},
        {ErrorKind::CsvFieldCount, [](Error &e) { e.number = 3, e.high = 11; },
         "expected 11 fields, found 3"},
        {ErrorKind::CsvBadDate, [](Error &e) { e.text = "\"x\""; },
         "date is not a real date (YYYY-MM-DD): \"x\""},
        {ErrorKind::CsvBadNumber, [](Error &e) { e.field = "n2", e.low = 1, e.high = 45, e.text = "\"0\""; },
         "n2 must be a number 1..45: \"0\""},
        {ErrorKind::CsvBadJoker, [](Error &e) { e.text = "\"12\""; },
         "joker must be six digits or empty: \"12\""},
        {ErrorKind::NotWholeNumber, [](Error &e) { e.text = "x", e.line = 2; },
         "'x' in row 2 is not a whole number"},
        {ErrorKind::JokerNotDigit, [](Error &e) { e.line = 3, e.text = "a"; },
         "Joker field 3 holds \"a\", not a digit 0..9"},
        {ErrorKind::NotANumberValue, [](Error &e) { e.text = "x"; }, "'x' is not a valid integer value"},
        {ErrorKind::ProxyPortBad, [](Error &e) { e.text = "0"; },
         "proxy port \"0\" is not a number from 1 to 65535"},
        {ErrorKind::CrossSumCrossed, [](Error &e) { e.low = 200, e.high = 100; },
         "cross-sum minimum 200 is above maximum 100: no tip can be computed"},
        {ErrorKind::NoDraws, [](Error &) {}, "the draw history holds no draw"},
        {ErrorKind::TicketRowNotFromFirstField, [](Error &e) { e.line = 4; },
         "row 4: the first number field is empty while the row holds numbers or a lucky number"},
        {ErrorKind::NoScriptChosen, [](Error &) {}, "No click script chosen"},
        {ErrorKind::ScriptLineEnd, [](Error &e) { e.field = "%Text1%"; },
         "the text for %Text1% holds a line end, which no line of the script can"},
        {ErrorKind::ScriptTooLarge, [](Error &e) { e.number = 16, e.line = 9; },
         "the filled script would be larger than 16 MiB (line 9)"},
        {ErrorKind::ScriptUnencodable, [](Error &e) { e.line = 2, e.text = "U+4E00"; },
         "line 2 of the filled script holds the character U+4E00, which Windows-1252 cannot hold"},
        {ErrorKind::AutomationPathLong, [](Error &e) { e.number = 1023; },
         "the automation program's path is longer than 1023 characters"},
        {ErrorKind::AutomationCommandLong, [](Error &e) { e.number = 1023; },
         "the automation program's command line is longer than 1023 characters"},
        {ErrorKind::ServerRequestFailed, [](Error &e) { e.reason = "Connection refused"; },
         "Connection refused"},
    };
    for (const Case &c : cases) {
        const Error error = made(c.kind, c.values);
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.message, c.english);
        EXPECT_EQ(englishText(error), c.english);
    }
    EXPECT_EQ(englishText(Error(Error::Code::BadArgument, "--rows given twice")), "--rows given twice");
}

TEST(Error, FileErrorNamesTheFileAndKeepsTheSystemsReason) {
    const Error missing = fileError(ErrorKind::CannotOpen, "/x/y", ENOENT);
    EXPECT_EQ(missing.code, Error::Code::NotFound);
    EXPECT_EQ(missing.path, "/x/y");
    EXPECT_EQ(missing.systemError, ENOENT);
    EXPECT_EQ(missing.message, std::string("Cannot open /x/y: ") + std::strerror(ENOENT));
    EXPECT_EQ(fileError(ErrorKind::CannotWrite, "f", ENOSPC).code, Error::Code::Io);
}

// The readers and writers report with kinds and values, not only with a text.
TEST_F(ErrorTest, ReadersAndWritersGiveTypedErrors) {
    const auto missing = readRegularFile(m_folder / "missing.zqs", 1024);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, ErrorKind::CannotOpen);
    EXPECT_EQ(missing.error().path, (m_folder / "missing.zqs").string());
    EXPECT_EQ(missing.error().systemError, ENOENT);

    const auto big = readRegularFile(write("big", std::string(2000, 'x')), 1024);
    ASSERT_FALSE(big);
    EXPECT_EQ(big.error().kind, ErrorKind::FileTooLarge);
    EXPECT_EQ(big.error().number, 1024);

    const auto folder = readRegularFile(m_folder, 1024);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().kind, ErrorKind::NotRegularFile);

    const auto unwritten = writeAtomically(m_folder / "no-such-folder" / "list.zqw", "1\r\n");
    ASSERT_FALSE(unwritten);
    EXPECT_EQ(unwritten.error().kind, ErrorKind::CannotCreate);
    EXPECT_EQ(unwritten.error().path, (m_folder / "no-such-folder" / "list.zqw").string());
    EXPECT_EQ(unwritten.error().systemError, ENOENT);
}

TEST_F(ErrorTest, CsvRejectsCarryLineFieldAndNumber) {
    const std::string header(kDrawCsvHeader);
    const fs::path csv =
        write("d.csv", header + "\n2020-01-01,1,2,3,4,5,6,7,1,0,\n2020-01-04,1,2,3,4,5,5,7,1,0,\n");
    const auto history = readDrawHistory(csv);
    ASSERT_FALSE(history);
    const Error &error = history.error();
    EXPECT_EQ(error.kind, ErrorKind::CsvBadLine);
    EXPECT_EQ(error.path, csv.string());
    EXPECT_EQ(error.line, 3);
    ASSERT_TRUE(error.cause);
    EXPECT_EQ(error.cause->kind, ErrorKind::NumberTwice);
    EXPECT_EQ(error.cause->number, 5);
    EXPECT_EQ(error.message, csv.string() + " line 3: number 5 occurs twice");

    struct Case {
        std::string line;
        ErrorKind kind;
        std::string field;
        std::string text;
    };
    const std::vector<Case> cases{
        {"2020-01-01,1,2", ErrorKind::CsvFieldCount, "", ""},
        {"2020-02-30,1,2,3,4,5,6,7,1,0,", ErrorKind::CsvBadDate, "", "\"2020-02-30\""},
        {"2020-01-01,1,2,3,4,5,46,7,1,0,", ErrorKind::CsvBadNumber, "n6", "\"46\""},
        {"2020-01-01,1,2,3,4,5,6,7,9,0,", ErrorKind::CsvBadNumber, "lucky", "\"9\""},
        {"2020-01-01,1,2,3,4,5,6,7,1,0,12x", ErrorKind::CsvBadJoker, "", "\"12x\""},
    };
    for (const Case &c : cases) {
        const auto parsed = parseDrawCsvLine(c.line);
        ASSERT_FALSE(parsed) << c.line;
        EXPECT_EQ(parsed.error().kind, c.kind) << c.line;
        EXPECT_EQ(parsed.error().field, c.field) << c.line;
        EXPECT_EQ(parsed.error().text, c.text) << c.line;
        EXPECT_EQ(parsed.error().message, englishText(parsed.error())) << c.line;
    }
    const auto csvText = parseDrawCsv(header + "\n2020-01-01,1,2\n");
    ASSERT_TRUE(csvText);
    ASSERT_EQ(csvText->rejects.size(), 1U);
    EXPECT_EQ(csvText->rejects[0].error.kind, ErrorKind::CsvFieldCount);
    EXPECT_EQ(csvText->rejects[0].error.number, 3);
    EXPECT_EQ(csvText->rejects[0].reason, "expected 11 fields, found 3");
}

TEST_F(ErrorTest, ADrawFileThatIsNoneSaysWhichRecord) {
    const fs::path path = write("odd.dat", std::string(30, '\0'));
    const auto checked = DrawFile(path).checkHistory(serialFromYmd(2026, 1, 1));
    ASSERT_FALSE(checked);
    EXPECT_EQ(checked.error().kind, ErrorKind::NotADrawFile);
    ASSERT_TRUE(checked.error().cause);
    EXPECT_EQ(checked.error().cause->kind, ErrorKind::DrawFileSizeOdd);
    EXPECT_EQ(checked.error().cause->number, 30);
    EXPECT_EQ(checked.error().cause->low, 6);
}

} // namespace
