#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text/textlines.h"

using namespace quorix;

TEST(TextLines, DecodesEachLineOnItsOwn) {
    struct Case {
        const char *what;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"utf-8, LF",
         "Gl\xC3\xBC"
         "ck\nTipp\n",
         {"Gl\xC3\xBC"
          "ck",
          "Tipp"}},
        {"windows-1252, CR LF",
         "Gl\xFC"
         "ck\r\n\x80 5\r\n",
         {"Gl\xC3\xBC"
          "ck",
          "\xE2\x82\xAC 5"}},
        {"unassigned windows-1252 byte", "\x81", {"\xC2\x81"}},
        {"last line without end, empty lines kept", "a\n\n\nb", {"a", "", "", "b"}},
        {"a lone CR is text", "a\rb\n", {"a\rb"}},
        {"byte-order mark dropped once",
         "\xEF\xBB\xBF\xEF\xBB\xBFx\n\xEF\xBB\xBFy",
         {"\xEF\xBB\xBFx", "\xEF\xBB\xBFy"}},
        {"only a byte-order mark", "\xEF\xBB\xBF", {}},
        {"torn sequence", "ab\xC3", {"ab\xC3\x83"}},
        {"overlong slash", "\xC0\xAF", {"\xC3\x80\xC2\xAF"}},
        {"surrogate", "\xED\xA0\x80", {"\xC3\xAD\xC2\xA0\xE2\x82\xAC"}},
        {"above U+10FFFF", "\xF4\x90\x80\x80", {"\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}},
        {"four-byte character", "\xF0\x9F\x8E\xB2", {"\xF0\x9F\x8E\xB2"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodeTextLines(c.bytes), c.lines) << c.what;
}

TEST(TextLines, LimitsCutAtCharacters) {
    TextLimits limits;
    limits.maxLineChars = 3;
    limits.maxLines = 2;
    // A valid line is cut after three characters, not three bytes; a Windows-1252 line after three bytes.
    EXPECT_EQ(decodeTextLines("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\n\xE4\xF6\xFC\xDF\nthird\n", limits),
              (std::vector<std::string>{"\xC3\xA4\xC3\xB6\xC3\xBC", "\xC3\xA4\xC3\xB6\xC3\xBC"}));

    limits = {};
    limits.lineEndsAtLoneCr = true;
    EXPECT_EQ(decodeTextLines("1\r2\r\n\r3\n", limits), (std::vector<std::string>{"1", "2", "", "3"}));

    // One huge line and a flood of empty lines stay within the message file limits.
    const std::string huge(std::size_t{200} * 1024, 'x');
    const std::vector<std::string> lines =
        decodeTextLines(huge + "\n" + std::string(100000, '\n'), kMessageFileLimits);
    ASSERT_EQ(lines.size(), kMessageFileLimits.maxLines);
    EXPECT_EQ(lines.front().size(), kMessageFileLimits.maxLineChars);
}

TEST(TextLines, Utf8Helpers) {
    const std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x8E\xB2"; // a ä € and a die
    EXPECT_EQ(utf8Length(text), 4u);
    EXPECT_EQ(utf8Prefix(text, 0), "");
    EXPECT_EQ(utf8Prefix(text, 2), "a\xC3\xA4");
    EXPECT_EQ(utf8Prefix(text, 3), "a\xC3\xA4\xE2\x82\xAC");
    EXPECT_EQ(utf8Prefix(text, 99), text);
    EXPECT_TRUE(isValidUtf8(text));
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));
    EXPECT_EQ(windows1252ToUtf8("\x80\x9F\xA0\xFF"), "\xE2\x82\xAC\xC5\xB8\xC2\xA0\xC3\xBF");
}

TEST(TextLines, Windows1252RoundTrip) {
    std::string every;
    for (int b = 0; b < 256; ++b)
        every += static_cast<char>(b);
    const Windows1252Text back = utf8ToWindows1252(windows1252ToUtf8(every));
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.bytes, every);
    const Windows1252Text bad = utf8ToWindows1252("ab\xC3\xA4\xE2\x82\xAC\xF0\x9F\x8E\xB2z");
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.unencodable, U'\U0001F3B2');
    EXPECT_EQ(bad.position, 4u);
    EXPECT_FALSE(utf8ToWindows1252("\xC2\x80").ok); // U+0080 is no Windows-1252 character
    EXPECT_FALSE(utf8ToWindows1252("a\xFF").ok);    // not UTF-8 at all
}
