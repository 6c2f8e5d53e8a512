#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/drawfile.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

class TempFolder {
public:
    TempFolder() {
        m_path = fs::temp_directory_path() /
                 ("quorix-drawfile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

Draw makeDraw(int y, int m, int d, std::array<int, 6> numbers, int lucky = 0) {
    Draw draw;
    draw.date = serialFromYmd(y, m, d);
    draw.numbers = numbers;
    draw.lucky = lucky;
    return draw;
}

std::string readBytes(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const fs::path &p, const std::string &bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST(DrawRecord, RoundTripKeepsEveryFieldAndLeadingZeroOfJoker) {
    Draw d = makeDraw(2014, 4, 5, {3, 11, 17, 25, 33, 40}, 5);
    d.bonus = 8;
    d.replay = 7;
    d.joker = {0, 4, 7, 1, 1, 9};
    const DrawRecord rec = DrawRecord::fromDraw(d);
    EXPECT_EQ(rec.bytes[23], 0);
    // The date is a little-endian double of whole days since 30.12.1899.
    double stored = 0;
    std::memcpy(&stored, rec.bytes.data(), 8);
    EXPECT_EQ(stored, 41734.0);
    const Draw back = rec.toDraw();
    EXPECT_EQ(back, d);
    EXPECT_EQ(back.jokerString(), "047119");
    EXPECT_EQ(back.crossSum(), 129);
}

TEST(DrawRecord, HostileDateBitsDecodeToNoDate) {
    DrawRecord rec;
    const double nan = std::nan("");
    std::memcpy(rec.bytes.data(), &nan, 8);
    EXPECT_EQ(rec.toDraw().date, 0);
    const double huge = 1e300;
    std::memcpy(rec.bytes.data(), &huge, 8);
    EXPECT_EQ(rec.toDraw().date, 0);
}

TEST(DrawRecord, VisitDecodesWholeRecordsFromBytesAndStopsOnRequest) {
    const Draw a = makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6});
    const Draw b = makeDraw(2020, 1, 4, {7, 8, 9, 10, 11, 12});
    std::vector<std::uint8_t> bytes;
    for (const Draw &d : {a, b}) {
        const DrawRecord r = DrawRecord::fromDraw(d);
        bytes.insert(bytes.end(), r.bytes.begin(), r.bytes.end());
    }
    bytes.insert(bytes.end(), DrawRecord::kSize - 1, 0xFF); // a torn tail

    std::vector<std::pair<std::size_t, Draw>> seen;
    EXPECT_TRUE(visitDrawRecords(bytes, 7, [&](const Draw &d, std::size_t i) {
        seen.emplace_back(i, d);
        return true;
    }));
    const std::vector<std::pair<std::size_t, Draw>> expected{{7, a}, {8, b}};
    EXPECT_EQ(seen, expected);

    seen.clear();
    EXPECT_FALSE(visitDrawRecords(bytes, 0, [&](const Draw &d, std::size_t i) {
        seen.emplace_back(i, d);
        return false;
    }));
    EXPECT_EQ(seen.size(), 1u);
}

TEST(DrawFile, AppendAndScanInOrder) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    EXPECT_FALSE(file.exists());
    ASSERT_TRUE(file.createEmpty());
    EXPECT_TRUE(file.exists());
    ASSERT_TRUE(file.append(makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6})));
    ASSERT_TRUE(file.append(makeDraw(2020, 1, 4, {7, 8, 9, 10, 11, 12})));
    auto all = file.readAll();
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[1].numbers[0], 7);
    // The caller may stop early.
    int seen = 0;
    ASSERT_TRUE(file.scan([&](const Draw &, std::size_t) { return ++seen < 1; }));
    EXPECT_EQ(seen, 1);
}

TEST(DrawFile, TornTailYieldsWholeRecordsAndAppendOverwritesIt) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.rewrite(
        {makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}), makeDraw(2020, 1, 4, {7, 8, 9, 10, 11, 12})}));
    writeBytes(file.path(), readBytes(file.path()) + "junk!");
    auto all = file.readAll();
    ASSERT_TRUE(all);
    EXPECT_EQ(all->size(), 2u);
    auto last = file.readLast();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->numbers[0], 7);

    ASSERT_TRUE(file.append(makeDraw(2020, 1, 8, {13, 14, 15, 16, 17, 18})));
    EXPECT_EQ(fs::file_size(file.path()), 3 * DrawRecord::kSize);
    all = file.readAll();
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 3u);
    EXPECT_EQ((*all)[2].numbers[0], 13);
}

TEST(DrawFile, EmptyFileHasNoRecordsAndAnAllZeroLastRecord) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.createEmpty());
    auto all = file.readAll();
    ASSERT_TRUE(all);
    EXPECT_TRUE(all->empty());
    auto last = file.readLast();
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, Draw{});
}

TEST(DrawFile, MissingFileIsAnErrorWithTheSystemsMessage) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    auto all = file.readAll();
    ASSERT_FALSE(all);
    EXPECT_EQ(all.error().code, Error::Code::NotFound);
    EXPECT_NE(all.error().message.find("No such file"), std::string::npos) << all.error().message;
}

TEST(DrawFile, FailedRewriteLeavesTheOldFileUntouched) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.rewrite({makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6})}));
    const std::string before = readBytes(file.path());
    auto r =
        file.rewrite({makeDraw(2021, 1, 1, {7, 8, 9, 10, 11, 12})}, dir.path() / "no-such-folder" / "tmp~");
    ASSERT_FALSE(r);
    EXPECT_EQ(readBytes(file.path()), before);
    // The default temporary file does not outlive a successful rewrite.
    ASSERT_TRUE(file.rewrite({}));
    EXPECT_FALSE(fs::exists(file.path().string() + "~"));
    EXPECT_EQ(fs::file_size(file.path()), 0u);
}

TEST(DrawFile, LegacyConversionWidensRecordsAndKeepsTheOldFile) {
    TempFolder dir;
    std::string legacy;
    for (int i = 0; i < 3; ++i) {
        const DrawRecord r = DrawRecord::fromDraw(makeDraw(1995, 1, 7 + 7 * i, {1 + i, 2, 3, 4, 5, 6}, 3));
        legacy.append(reinterpret_cast<const char *>(r.bytes.data()), DrawRecord::kLegacySize);
    }
    legacy += "torn"; // a partial last record is not converted
    writeBytes(dir.path() / DrawFile::kLegacyFileName, legacy);

    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.convertLegacy(dir.path() / DrawFile::kLegacyFileName));
    const std::string bytes = readBytes(file.path());
    ASSERT_EQ(bytes.size(), 3 * DrawRecord::kSize);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(bytes.substr(i * 24, 16), legacy.substr(i * 16, 16));
        EXPECT_EQ(bytes.substr(i * 24 + 16, 8), std::string(8, '\0'));
    }
    auto all = file.readAll();
    ASSERT_TRUE(all);
    EXPECT_EQ((*all)[2].numbers[0], 3);
    EXPECT_EQ((*all)[2].lucky, 3);
    EXPECT_EQ((*all)[2].jokerString(), "000000");
    EXPECT_TRUE(fs::exists(dir.path() / DrawFile::kLegacyFileName));
}

TEST(Calendar, SerialsWeekdaysAndDrawDays) {
    EXPECT_EQ(serialFromYmd(1899, 12, 30), 0);
    EXPECT_EQ(weekdayOf(0), 7); // a Saturday
    EXPECT_EQ(ymdFromSerial(serialFromYmd(2024, 2, 29)), (Ymd{2024, 2, 29}));
    const DaySerial sat = serialFromYmd(2014, 4, 5);
    EXPECT_EQ(weekdayOf(sat), 7);
    EXPECT_EQ(weekdayOf(sat + 1), 1);
    EXPECT_EQ(nextDrawDay(sat), serialFromYmd(2014, 4, 9));      // Saturday -> Wednesday
    EXPECT_EQ(nextDrawDay(sat + 4), serialFromYmd(2014, 4, 12)); // Wednesday -> Saturday
    EXPECT_EQ(nextDrawDay(sat + 1), serialFromYmd(2014, 4, 9));  // Sunday -> Wednesday
    EXPECT_EQ(nextDrawDay(sat + 5), sat + 5);                    // Thursday stays
    EXPECT_EQ(parseIsoDate("2014-04-05"), sat);
    for (const char *bad : {"2014-02-30", "2014-4-05", "20140405", "2014-04-0x", ""})
        EXPECT_FALSE(parseIsoDate(bad)) << bad;
    EXPECT_EQ(formatIso(sat), "2014-04-05");
    EXPECT_EQ(formatDmy(sat), "05.04.2014");
}
