#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/languagefile.h"

using namespace quorix;
using namespace std::string_literals;

TEST(LanguageFile, DecodesUtf16ByItsByteOrderMarkAndEightBitOtherwise) {
    struct Case {
        const char *what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"utf-16 le, CR LF", "\xFF\xFE"s + "T\0\xFC\0\r\0\n\0x\0"s, {"T\xC3\xBC", "x"}},
        {"utf-16 be", "\xFE\xFF"s + "\0T\0\n\0x"s, {"T", "x"}},
        {"surrogate pair", "\xFF\xFE"s + "\x3D\xD8\x00\xDE"s, {"\xF0\x9F\x98\x80"}},
        {"lone surrogate, torn last byte",
         "\xFF\xFE"s + "\x00\xD8"s + "a\0"s + "b"s,
         {"\xEF\xBF\xBD"
          "a"}},
        {"utf-8 with byte-order mark",
         "\xEF\xBB\xBFGl\xC3\xBC"
         "ck\r\n",
         {"Gl\xC3\xBC"
          "ck"}},
        {"windows-1252",
         "Gl\xFC"
         "ck",
         {"Gl\xC3\xBC"
          "ck"}},
        {"one byte only", "\xFF", {"\xC3\xBF"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodeLanguageFile(c.bytes), c.lines) << c.what;
}

TEST(LanguageFile, LimitsHoldForUtf16Too) {
    std::string bytes = "\xFF\xFE"s;
    for (int i = 0; i < 5000; ++i)
        bytes += "A\0"s;
    const auto lines = decodeLanguageFile(bytes, TextLimits{100, 10, false});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], std::string(100, 'A'));
}

TEST(LanguageFile, EntriesDropATornLastEntry) {
    const std::vector<std::string> lines = {"W", "C", "cap", "hint", "1", "W", "D", "x"};
    const auto base = parseBaseEntries(lines);
    ASSERT_EQ(base.size(), 1u);
    EXPECT_EQ(base[0].control, "C");
    EXPECT_EQ(base[0].hint, "hint");
    const auto translation = parseTranslationEntries({"a", "b", "c"});
    ASSERT_EQ(translation.size(), 1u);
    EXPECT_EQ(translation[0].hint, "b");
}

TEST(LanguageFile, SearchLooksAtElevenEntriesFromTheCursor) {
    std::vector<BaseEntry> entries(20);
    for (std::size_t i = 0; i < entries.size(); ++i)
        entries[i] = {"W", "C" + std::to_string(i), "", "", "1"};
    entries[3].window = "  W\t";
    EXPECT_EQ(findBaseEntry(entries, 0, "W", "C10"), 10u);
    EXPECT_EQ(findBaseEntry(entries, 0, "W", "C11"), std::nullopt);
    EXPECT_EQ(findBaseEntry(entries, 5, "W", "C4"), std::nullopt);
    EXPECT_EQ(findBaseEntry(entries, 5, "W", "C5"), 5u);
    EXPECT_EQ(findBaseEntry(entries, 0, "W", " C3 "), 3u);
    EXPECT_EQ(findBaseEntry(entries, 0, "X", "C3"), std::nullopt);
    EXPECT_EQ(findBaseEntry(entries, 25, "W", "C3"), std::nullopt);
}

TEST(LanguageFile, NumbersUseTheDecimalComma) {
    for (const char *number : {"0", "12", " 7 ", "-3", "+3", "1,5", ",5", "5,", "1,5E3", "2e-4"})
        EXPECT_TRUE(isDecimalNumber(number)) << number;
    for (const char *text : {"", " ", "1.5", "1.000", "12a", "1xxxxx", "e5", "1,5,0", "1E", "-", "2er", "?"})
        EXPECT_FALSE(isDecimalNumber(text)) << text;
}

TEST(LanguageFile, CharacterSetIsAWholeNumber) {
    EXPECT_EQ(parseCharset(" 1 "), 1);
    EXPECT_EQ(parseCharset("238"), 238);
    EXPECT_EQ(parseCharset(""), std::nullopt);
    EXPECT_EQ(parseCharset("1,0"), std::nullopt);
    EXPECT_EQ(parseCharset("99999999999"), std::nullopt);
}
