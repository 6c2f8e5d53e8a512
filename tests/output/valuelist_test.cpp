#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "core/hostilefiles.h"
#include "output/valuelist.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

std::string lines(std::initializer_list<std::pair<int, const char *>> set) {
    std::string text;
    for (int n = 1; n <= 45; ++n) {
        for (const auto &[line, weight] : set)
            if (line == n) text += weight;
        text += "\r\n";
    }
    return text;
}

std::string repeat(const std::string &s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

} // namespace

TEST(ValueList, WritesFortyFiveLines) {
    NumberList list;
    list[4] = {true, "2"};
    list[16] = {true, ""}; // saved as "1", and the list shows it
    list[20] = {false, "9"};
    EXPECT_EQ(ValueListFile::format(list), lines({{5, "2"}, {17, "1"}}));
    EXPECT_EQ(list[16].weight, "1");
    EXPECT_EQ(ValueListFile::proposedName(2026, 3, 7), "20260307.zqw");
}

TEST(ValueList, ReadsHostileText) {
    struct Case {
        const char *what;
        std::string text;
        std::vector<std::pair<int, std::string>> ticked; // everything else: unticked with "1"
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"30 lines", std::string(30, '\n'), {}},
        {"weights taken unchanged", "3\r\n\r\nabc\r\n-2\r\n", {{1, "3"}, {3, "abc"}, {4, "-2"}}},
        {"LF and CR line ends", "1\n2\r3\r\n\n5", {{1, "1"}, {2, "2"}, {3, "3"}, {5, "5"}}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "7\r\n",
         {{1, "7"}}},
        {"control bytes dropped", std::string("4\0\x01\x7f", 4) + "\r\n\x02\r\n", {{1, "4"}}},
        {"long line cut", std::string(100000, '9') + "\r\n8", {{1, std::string(64, '9')}, {2, "8"}}},
        {"lines after 45 ignored", std::string(45, '\n') + "6\n", {}},
        {"Windows-1252 bytes", "\xE4\x80\r\n\xC3\xA4", {{1, "\xC3\xA4\xE2\x82\xAC"}, {2, "\xC3\xA4"}}},
    };
    for (const Case &c : cases) {
        const NumberList list = ValueListFile::parse(c.text);
        for (int n = 1; n <= 45; ++n) {
            const NumberListEntry &e = list[static_cast<std::size_t>(n - 1)];
            std::string expected;
            for (const auto &[line, weight] : c.ticked)
                if (line == n) expected = weight;
            EXPECT_EQ(e.ticked, !expected.empty()) << c.what << " line " << n;
            EXPECT_EQ(e.weight, expected.empty() ? "1" : expected) << c.what << " line " << n;
        }
    }
}

TEST(ValueList, FileRoundTripAndErrors) {
    const fs::path dir = fs::temp_directory_path() / ("quorix-zqw-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    NumberList list;
    list[0] = {true, "3"};
    list[41] = {true, "12"};
    list[44] = {true, "1"};
    ASSERT_TRUE(ValueListFile::write(dir / "a.zqw", list).ok());
    const Result<NumberList> back = ValueListFile::read(dir / "a.zqw");
    ASSERT_TRUE(back.ok());
    for (std::size_t i = 0; i < 45; ++i) {
        EXPECT_EQ((*back)[i].ticked, list[i].ticked) << i;
        if (list[i].ticked) {
            EXPECT_EQ((*back)[i].weight, list[i].weight) << i;
        }
    }
    EXPECT_EQ(NumberPool::fromList(*back).size(), 16u);

    NumberList unsaved;
    unsaved[2] = {true, ""};
    const Result<void> failed = ValueListFile::write(dir / "missing" / "b.zqw", unsaved);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(unsaved[2].weight, "") << "a failed save changes nothing";
    EXPECT_FALSE(ValueListFile::read(dir / "missing.zqw").ok());

    // A link planted in the list's place is replaced; what it points to stays as it was.
    std::ofstream(dir / "someone-elses", std::ios::binary) << "keep";
    fs::create_symlink(dir / "someone-elses", dir / "linked.zqw");
    ASSERT_TRUE(ValueListFile::write(dir / "linked.zqw", list).ok());
    EXPECT_FALSE(fs::is_symlink(dir / "linked.zqw"));
    std::ifstream kept(dir / "someone-elses", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep");
    fs::remove_all(dir);
}

TEST(ValueList, HostileFilesAreRefusedNamingThem) {
    quorix::testing::expectHostileFilesRefused(ValueListFile::kMaxFileBytes, [](const fs::path &path) {
        return quorix::testing::errorOf(ValueListFile::read(path));
    });
}

TEST(ValueList, SaveAndReloadGiveTheSameList) {
    const std::string umlauts64 = repeat("\xC3\xA4", 64);
    struct Case {
        const char *what;
        std::string weight;
        std::string saved; // what the list holds after saving, and after reloading
    };
    const Case cases[] = {
        {"64 umlauts", umlauts64, umlauts64},
        {"65 umlauts cut to 64", umlauts64 + "\xC3\xA4", umlauts64},
        {"64 euro signs", repeat("\xE2\x82\xAC", 64), repeat("\xE2\x82\xAC", 64)},
        {"byte-order mark only", "\xEF\xBB\xBF", "1"},
        {"byte-order mark before a number",
         "\xEF\xBB\xBF"
         "5",
         "5"},
        {"line breaks inside", "1\r\n2", "12"},
        {"Windows-1252 byte", "\xE4", "\xC3\xA4"},
        {"plain", "17", "17"},
    };
    for (const Case &c : cases) {
        // The weight on the first line (where a byte-order mark would be taken off) and on a later one.
        for (const std::size_t at : {std::size_t{0}, std::size_t{20}}) {
            NumberList list;
            list[at] = {true, c.weight};
            list[44] = {true, "3"};
            const std::string text = ValueListFile::format(list);
            EXPECT_EQ(list[at].weight, c.saved) << c.what << " at " << at;
            const NumberList back = ValueListFile::parse(text);
            for (std::size_t i = 0; i < list.size(); ++i) {
                EXPECT_EQ(back[i].ticked, list[i].ticked) << c.what << " entry " << i;
                if (list[i].ticked) {
                    EXPECT_EQ(back[i].weight, list[i].weight) << c.what << " entry " << i;
                }
            }
            NumberList again = back;
            EXPECT_EQ(ValueListFile::format(again), text) << c.what;
        }
    }
}

TEST(ValueList, ReadingIsStableUnderSaving) {
    // Whatever a file holds, the list read from it saves to a file that reads back the same.
    const std::string files[] = {
        "\xEF\xBB\xBF\xEF\xBB\xBF"
        "7\r\n",
        std::string(200, 'x') + "\xC3\r\n\xC3\xA4\xC2\x85\r\n",
        "\x01\x02\r\n\xE2\x80\x8B\n\r\n" + std::string(50, '\n') + "9",
        std::string(100, '\xE4') + "\n" + std::string(100, '\xEF') + "\n",
    };
    for (const std::string &file : files) {
        NumberList read = ValueListFile::parse(file);
        const NumberList before = read;
        const NumberList again = ValueListFile::parse(ValueListFile::format(read));
        for (std::size_t i = 0; i < read.size(); ++i) {
            EXPECT_EQ(read[i].weight, before[i].weight) << "saving changed entry " << i;
            EXPECT_EQ(again[i].ticked, before[i].ticked) << i;
            EXPECT_EQ(again[i].weight, before[i].weight) << i;
        }
    }
}
