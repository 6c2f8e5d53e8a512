#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "core/history/drawfile.h"
#include "core/history/drawfilelock.h"

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

// An append writes its draw only when it follows the newest stored draw, as the file is when the
// lock is held; any other draw leaves every byte (a torn tail too) as it was and is no error.
TEST(DrawFile, AppendWritesOnlyADrawThatFollowsTheNewest) {
    TempFolder dir;
    auto record = [](double date) {
        DrawRecord r = DrawRecord::fromDraw(makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}));
        std::memcpy(r.bytes.data(), &date, 8);
        return std::string(r.bytes.begin(), r.bytes.end());
    };
    const double day = serialFromYmd(2020, 1, 4);
    const Draw next = makeDraw(2020, 1, 8, {7, 8, 9, 10, 11, 12});
    struct Case {
        const char *name;
        std::string bytes;
        AppendResult result;
    };
    const Case cases[] = {
        {"empty", "", AppendResult::Appended},
        {"only a torn tail", "junk", AppendResult::Appended},
        {"newest before", record(day), AppendResult::Appended},
        {"newest before, torn tail", record(day) + "junk", AppendResult::Appended},
        {"unreadable newest date", record(day) + record(std::nan("")), AppendResult::Appended},
        {"same day", record(day) + record(next.date), AppendResult::NotAfterNewest},
        {"same day in the evening", record(next.date + 0.75), AppendResult::NotAfterNewest},
        {"newest later", record(next.date + 3), AppendResult::NotAfterNewest},
        {"newest later, torn tail", record(next.date + 3) + "junk", AppendResult::NotAfterNewest},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DrawFile file(dir.path() / c.name);
        writeBytes(file.path(), c.bytes);
        const auto appended = file.append(next);
        ASSERT_TRUE(appended) << appended.error().message;
        EXPECT_EQ(*appended, c.result);
        const std::string whole = c.bytes.substr(0, c.bytes.size() - c.bytes.size() % DrawRecord::kSize);
        const DrawRecord added = DrawRecord::fromDraw(next);
        EXPECT_EQ(readBytes(file.path()), c.result == AppendResult::Appended
                                              ? whole + std::string(added.bytes.begin(), added.bytes.end())
                                              : c.bytes);
    }
    // A missing file is created with the draw.
    const DrawFile missing(dir.path() / "missing");
    EXPECT_EQ(*missing.append(next), AppendResult::Appended);
    EXPECT_EQ(*missing.readAll(), std::vector<Draw>{next});
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

// A failure at any step leaves the old file as it was, and the error names the real cause.
TEST(DrawFile, FailedRewriteLeavesTheOldFileUntouched) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.rewrite({makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6})}));
    const std::vector<Draw> next{makeDraw(2021, 1, 1, {7, 8, 9, 10, 11, 12})};

    // The rename itself fails: the draw file's name is a folder now.
    const DrawFile blocked(dir.path() / "blocked");
    fs::create_directories(blocked.path() / "inside");
    auto r = blocked.rewrite(next);
    ASSERT_FALSE(r);
    EXPECT_NE(r.error().message.find("Cannot replace"), std::string::npos) << r.error().message;
    EXPECT_EQ(r.error().message.find("Success"), std::string::npos) << r.error().message;
    EXPECT_FALSE(fs::exists(blocked.path().string() + "~"));

    // The default temporary file does not outlive a successful rewrite.
    ASSERT_TRUE(file.rewrite({}));
    EXPECT_FALSE(fs::exists(file.path().string() + "~"));
    EXPECT_EQ(fs::file_size(file.path()), 0u);
}

TEST(DrawFile, RewriteFollowsLinksKeepsTheModeAndReplacesAStaleTemporaryFile) {
    TempFolder dir;
    fs::create_directories(dir.path() / "real");
    const fs::path target = dir.path() / "real" / "history.dat";
    ASSERT_TRUE(DrawFile(target).rewrite({makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6})}));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(fs::path("real") / "history.dat", dir.path() / DrawFile::kFileName);
    // What a writer killed half-way leaves behind.
    writeBytes(target.string() + "~", "half a reco");

    const DrawFile file = DrawFile::inFolder(dir.path());
    const std::vector<Draw> next{makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}),
                                 makeDraw(2020, 1, 4, {7, 8, 9, 10, 11, 12})};
    ASSERT_TRUE(file.rewrite(next));
    EXPECT_TRUE(fs::is_symlink(file.path()));
    auto all = DrawFile(target).readAll();
    ASSERT_TRUE(all);
    EXPECT_EQ(*all, next);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(fs::exists(target.string() + "~"));
    EXPECT_FALSE(fs::exists(file.path().string() + "~"));
    // Both names of the file share one lock, beside the real file.
    EXPECT_EQ(DrawFileLock::lockPathFor(file.path()), DrawFileLock::lockPathFor(target));
    EXPECT_TRUE(fs::exists(target.string() + ".lock"));

    ASSERT_TRUE(file.append(makeDraw(2020, 1, 8, {1, 2, 3, 4, 5, 7})));
    EXPECT_EQ(fs::file_size(target), 3 * DrawRecord::kSize);
    EXPECT_TRUE(fs::is_symlink(file.path()));
}

// Records a writer does not change keep their bytes: the filler, a time of day in the date, even
// a date nobody can read (which decodes as day 0) where the caller keeps the draw in its place.
TEST(DrawFile, UnchangedRecordsStayByteForByte) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    auto raw = [](const Draw &d, auto edit) {
        DrawRecord r = DrawRecord::fromDraw(d);
        edit(r.bytes);
        return std::string(reinterpret_cast<const char *>(r.bytes.data()), r.bytes.size());
    };
    const std::string filler = raw(makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}), [](auto &b) { b[23] = 0x5A; });
    const std::string evening = raw(makeDraw(2020, 1, 4, {7, 8, 9, 10, 11, 12}), [](auto &b) {
        const double date = serialFromYmd(2020, 1, 4) + 0.75;
        std::memcpy(b.data(), &date, 8);
    });
    const std::string unreadable = raw(makeDraw(2020, 1, 8, {1, 2, 3, 4, 5, 7}), [](auto &b) {
        const double nan = std::nan("");
        std::memcpy(b.data(), &nan, 8);
    });
    writeBytes(file.path(), filler + evening + unreadable);

    auto draws = file.readAll();
    ASSERT_TRUE(draws);
    ASSERT_EQ(draws->size(), 3u);
    const Draw added = makeDraw(2020, 1, 11, {20, 21, 22, 23, 24, 25});
    draws->push_back(added);
    ASSERT_TRUE(file.rewrite(*draws));
    const DrawRecord addedRecord = DrawRecord::fromDraw(added);
    EXPECT_EQ(readBytes(file.path()), filler + evening + unreadable +
                                          std::string(addedRecord.bytes.begin(), addedRecord.bytes.end()));

    // Through modify: the second draw is dropped, the others keep their bytes.
    ASSERT_TRUE(file.modify([](const std::vector<Draw> &all) -> Result<std::vector<Draw>> {
        return std::vector<Draw>{all[0], all[2]};
    }));
    EXPECT_EQ(readBytes(file.path()), filler + unreadable);
}

// What import checks before it merges into an existing file: a table of files that are not draw
// histories, each refused with a reason.
TEST(DrawFile, CheckHistoryRefusesFilesThatAreNoDrawHistory) {
    TempFolder dir;
    const DaySerial today = serialFromYmd(2024, 6, 1);
    auto record = [](double date) {
        DrawRecord r = DrawRecord::fromDraw(makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6}));
        std::memcpy(r.bytes.data(), &date, 8);
        return std::string(r.bytes.begin(), r.bytes.end());
    };
    const double day = serialFromYmd(2020, 1, 4);
    struct Case {
        const char *name;
        std::string bytes;
        const char *reasonPart; // nullptr: accepted
    };
    const Case cases[] = {
        {"empty", "", nullptr},
        {"ascending, a date twice", record(day) + record(day) + record(day + 3), nullptr},
        {"a year ahead", record(today + 366), nullptr},
        {"torn tail", record(day) + "abc", "not whole 24-byte records"},
        {"descending", record(day + 3) + record(day), "record 2 is dated before"},
        {"not a number", record(std::nan("")), "record 1 has no date"},
        {"infinite", record(day) + record(INFINITY), "record 2 has no date"},
        {"before 1970", record(serialFromYmd(1969, 12, 31)), "record 1 has no date"},
        {"too far ahead", record(today + 400), "record 1 has no date"},
        {"a draw CSV", std::string("date,n1,n2,n3,n4,n5,n6,bonus,lucky,replay,joker\n").substr(0, 48),
         "no date"},
    };
    for (const Case &c : cases) {
        const DrawFile file(dir.path() / c.name);
        writeBytes(file.path(), c.bytes);
        const auto checked = file.checkHistory(today);
        if (!c.reasonPart) {
            EXPECT_TRUE(checked) << c.name << ": " << checked.error().message;
            continue;
        }
        ASSERT_FALSE(checked) << c.name;
        EXPECT_EQ(checked.error().code, Error::Code::BadInput) << c.name;
        EXPECT_NE(checked.error().message.find(c.reasonPart), std::string::npos)
            << c.name << ": " << checked.error().message;
        EXPECT_NE(checked.error().message.find(file.path().string()), std::string::npos) << c.name;
        // A checked modify writes nothing.
        EXPECT_FALSE(file.modify(
            [](const std::vector<Draw> &) -> Result<std::vector<Draw>> { return std::vector<Draw>{}; },
            today));
        EXPECT_EQ(readBytes(file.path()), c.bytes) << c.name;
    }
    EXPECT_EQ(DrawFile(dir.path() / "absent").checkHistory(today).error().code, Error::Code::NotFound);
}

TEST(DrawFile, TornTailSizeTellsWhatReadersSkip) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    EXPECT_EQ(file.tornTailSize(), 0u); // missing
    ASSERT_TRUE(file.rewrite({makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6})}));
    EXPECT_EQ(file.tornTailSize(), 0u);
    writeBytes(file.path(), readBytes(file.path()) + "junk!");
    EXPECT_EQ(file.tornTailSize(), 5u);
}

TEST(DrawFile, CreateEmptyAndLegacyConversionKeepAFileThatExists) {
    TempFolder dir;
    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.rewrite({makeDraw(2020, 1, 1, {1, 2, 3, 4, 5, 6})}));
    const std::string before = readBytes(file.path());
    ASSERT_TRUE(file.createEmpty());
    writeBytes(dir.path() / DrawFile::kLegacyFileName, std::string(32, '\0'));
    ASSERT_TRUE(file.convertLegacy(dir.path() / DrawFile::kLegacyFileName, serialFromYmd(2024, 1, 1)));
    EXPECT_EQ(readBytes(file.path()), before);
}

TEST(DrawFile, LegacyConversionWidensRecordsAndKeepsTheOldFile) {
    TempFolder dir;
    std::string legacy;
    for (int i = 0; i < 3; ++i) {
        const DrawRecord r = DrawRecord::fromDraw(makeDraw(1995, 1, 7 + 7 * i, {1 + i, 2, 3, 4, 5, 6}, 3));
        legacy.append(reinterpret_cast<const char *>(r.bytes.data()), DrawRecord::kLegacySize);
    }
    writeBytes(dir.path() / DrawFile::kLegacyFileName, legacy);

    const DrawFile file = DrawFile::inFolder(dir.path());
    ASSERT_TRUE(file.convertLegacy(dir.path() / DrawFile::kLegacyFileName, serialFromYmd(2024, 1, 1)));
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

// Old files that are no plausible history are refused before anything is written: the reason
// is named, no draw file appears and the old file stays as it is.
TEST(DrawFile, LegacyConversionRefusesWhatIsNoHistory) {
    TempFolder dir;
    const DaySerial today = serialFromYmd(2024, 6, 1);
    auto record = [](double date) {
        DrawRecord r = DrawRecord::fromDraw(makeDraw(1995, 1, 7, {1, 2, 3, 4, 5, 6}, 3));
        std::memcpy(r.bytes.data(), &date, 8);
        return std::string(reinterpret_cast<const char *>(r.bytes.data()), DrawRecord::kLegacySize);
    };
    const double day = serialFromYmd(1995, 1, 7);
    std::string noise(1600, '\0');
    std::uint32_t x = 20240601;
    for (char &c : noise) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    struct Case {
        const char *name;
        std::string bytes;
        const char *reasonPart;
    };
    const Case cases[] = {
        {"random bytes", noise, "record 1 has no date"},
        {"torn tail", record(day) + record(day + 7) + "torn", "not whole 16-byte records; 4 bytes"},
        {"not a number at the end", record(day) + record(std::nan("")), "record 2 has no date"},
        {"1899 at the end", record(day) + record(0.0), "record 2 has no date"},
        {"1e300 at the end", record(day) + record(1e300), "record 2 has no date"},
        {"infinite", record(INFINITY), "record 1 has no date"},
        {"before 1970", record(serialFromYmd(1969, 12, 31)), "record 1 has no date"},
        {"more than a year ahead", record(day) + record(today + 400), "record 2 has no date"},
        {"descending", record(day + 7) + record(day), "record 2 is dated before"},
    };
    const fs::path legacy = dir.path() / DrawFile::kLegacyFileName;
    const DrawFile file = DrawFile::inFolder(dir.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(legacy, c.bytes);
        const auto converted = file.convertLegacy(legacy, today);
        ASSERT_FALSE(converted);
        EXPECT_EQ(converted.error().code, Error::Code::BadInput);
        EXPECT_NE(converted.error().message.find(c.reasonPart), std::string::npos)
            << converted.error().message;
        EXPECT_NE(converted.error().message.find(legacy.string()), std::string::npos)
            << converted.error().message;
        EXPECT_FALSE(fs::exists(file.path()));
        EXPECT_EQ(readBytes(legacy), c.bytes);
    }

    // Too large to be a history: refused unread (a sparse file costs no disk space).
    writeBytes(legacy, record(day));
    fs::resize_file(legacy, DrawFile::kMaxLegacyBytes + DrawRecord::kLegacySize);
    auto converted = file.convertLegacy(legacy, today);
    ASSERT_FALSE(converted);
    EXPECT_NE(converted.error().message.find("is larger than 16 MiB"), std::string::npos)
        << converted.error().message;
    EXPECT_FALSE(fs::exists(file.path()));

    // Something else in the old file's place is refused, never waited on.
    fs::remove(legacy);
    ASSERT_EQ(::mkfifo(legacy.c_str(), 0600), 0);
    converted = file.convertLegacy(legacy, today);
    ASSERT_FALSE(converted);
    EXPECT_NE(converted.error().message.find("is not a regular file"), std::string::npos)
        << converted.error().message;
    EXPECT_FALSE(fs::exists(file.path()));
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
