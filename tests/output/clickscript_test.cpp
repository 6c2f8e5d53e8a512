#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/base/calendar.h"
#include "output/clickscript.h"
#include "core/hostilefiles.h"

using namespace quorix;
namespace fs = std::filesystem;

namespace {

TipRow row(std::array<const char *, 6> numbers, const char *lucky) {
    TipRow r;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        r.numbers[i] = numbers[i];
    r.lucky = lucky;
    return r;
}

TipSheet sampleSheet() {
    TipSheet sheet;
    sheet.rows[0] = row({"5", "11", "19", "23", "30", "41"}, "3");
    sheet.rows[9] = row({"17", "2", "8", "14", "26", "39"}, "-");
    sheet.rows[13] = row({"1", "2", "3", "4", "5", "6"}, "6");
    return sheet;
}

ClickScriptChoices days(bool saturday, bool wednesday) {
    ClickScriptChoices choices;
    choices.saturday = saturday;
    choices.wednesday = wednesday;
    return choices;
}

} // namespace

TEST(ClickScript, PlaceholdersAreFilledExactly) {
    const TipSheet sheet = sampleSheet();
    struct Case {
        const char *script;
        ClickScriptChoices choices;
        const char *filled;
    };
    ClickScriptChoices jokers1and3;
    jokers1and3.jokers = {true, false, true};
    const Case cases[] = {
        // The closing bracket belongs to the placeholder: row 1's does not match inside row 10's.
        {"[Z1_1] [Z1_10] [PLUS1]", {}, "5 17 3"},
        {"[Z6_1][Z6_14][PLUS14][PLUS10]", {}, "4166-"},
        // Empty rows give empty numbers and the lucky box's "-".
        {"<[Z1_2]|[Z6_13]|[PLUS2]>", {}, "<||->"},
        {"[MI] [SA] [MISA]", days(true, true), "JA JA JA"},
        {"[MI] [SA] [MISA]", days(true, false), "NEIN JA NEIN"},
        {"[MI] [SA] [MISA]", days(false, true), "JA NEIN NEIN"},
        // Before the print settings were ever opened nothing is ticked.
        {"[MI] [SA] [MISA] [JOKER1][JOKER2][JOKER3]", {}, "NEIN NEIN NEIN NEINNEINNEIN"},
        {"[JOKER1] [JOKER2] [JOKER3]", jokers1and3, "JA NEIN JA"},
        // Lower case, blanks or a missing bracket are no placeholders.
        {"[z1_1] [Plus1] [mi] [ Z1_1] [Z1_1 Z1_1] [Z1_15] [Z7_1] [Z1_0]", days(true, true),
         "[z1_1] [Plus1] [mi] [ Z1_1] [Z1_1 Z1_1] [Z1_15] [Z7_1] [Z1_0]"},
        // Every occurrence, also back to back.
        {"[SA][SA]x[SA]", days(true, false), "JAJAxJA"},
        {"[MELDUNGFERTIG]",
         {},
         "Bitte \xC3\xBC"
         "berpr\xC3\xBC"
         "fen Sie jetzt den Tipp und dann k\xC3\xB6nnen Sie ihn abgeben!"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClickScript::fillText(c.script, sheet, c.choices), c.filled) << c.script;
}

TEST(ClickScript, WhatAReplacementPutsInIsNeverReplacedAgain) {
    // Only the script's own placeholders are replaced: a replacement's text stays as it is, also
    // when it holds a placeholder or completes one with the text around it.
    struct Case {
        const char *script;
        const char *number11; // row 1, position 1
        const char *number21; // row 2, position 1
        const char *lucky1;
        const char *filled;
    };
    const Case cases[] = {
        {"[PLUS1]", "", "", "[PLUS2]", "[PLUS2]"},
        {"[PLUS1]|[PLUS2]", "", "", "[PLUS2]", "[PLUS2]|-"},
        {"[PLUS1]", "", "", "[SA][MELDUNGFERTIG][JOKER2]", "[SA][MELDUNGFERTIG][JOKER2]"},
        {"[PLUS1]", "", "", "[PLUS1]", "[PLUS1]"},
        // A number text holding a placeholder, of a later and of an earlier row.
        {"[Z1_1] [Z1_2]", "[PLUS2]", "[Z1_1]", "3", "[PLUS2] [Z1_1]"},
        // Halves of a placeholder across a replacement's edge.
        {"[MI[PLUS1]", "", "", "]", "[MI]"},
        {"[PLUS1]SA]", "", "", "[", "[SA]"},
        {"[Z1_1][Z1_2]", "[S", "A]", "3", "[SA]"},
        {"[Z1_1]Z1_1]", "[", "", "3", "[Z1_1]"},
        // Brackets around or inside a placeholder of the script: only the inner one is replaced.
        {"[[SA]] [S[SA] [SA [SA]x", "", "", "3", "[NEIN] [SNEIN [SA NEINx"},
    };
    for (const Case &c : cases) {
        TipSheet sheet;
        sheet.rows[0].numbers[0] = c.number11;
        sheet.rows[1].numbers[0] = c.number21;
        sheet.rows[0].lucky = c.lucky1;
        EXPECT_EQ(ClickScript::fillText(c.script, sheet, {}), c.filled) << c.script;
    }

    // Two rows whose lucky texts name the next row once filled 19 MB from a nine-byte script;
    // now the first lucky text comes out as it stands.
    TipSheet chain;
    std::string plus2;
    for (int i = 0; i < 141; ++i)
        plus2 += "[PLUS2]";
    chain.rows[0].lucky = plus2;
    chain.rows[1].lucky = std::string(1000, '[');
    const Result<std::string> filled = ClickScript::fill("[PLUS1]\r\n", chain, {});
    ASSERT_TRUE(filled) << filled.error().message;
    EXPECT_EQ(*filled, plus2 + "\r\n");

    // The order of the steps is the one the automation program's scripts were written for.
    const auto steps = ClickScript::replacements(TipSheet{}, {});
    ASSERT_EQ(steps.size(), 14u * 7u + 7u);
    EXPECT_EQ(steps[0].first, "[Z1_1]");
    EXPECT_EQ(steps[6].first, "[PLUS1]");
    EXPECT_EQ(steps[7].first, "[Z1_2]");
    EXPECT_EQ(steps[97].first, "[PLUS14]");
    std::vector<std::string> tail;
    for (std::size_t i = 98; i < steps.size(); ++i)
        tail.push_back(steps[i].first);
    EXPECT_EQ(tail, (std::vector<std::string>{"[MELDUNGFERTIG]", "[MI]", "[SA]", "[MISA]", "[JOKER3]",
                                              "[JOKER1]", "[JOKER2]"}));
}

TEST(ClickScript, FilledScriptIsBounded) {
    // Long lucky texts in many places still fill linearly; past the limit the script is refused
    // with its line, up to the limit it is written.
    TipSheet sheet;
    sheet.rows[0].lucky = std::string(1000, 'x');
    const std::size_t perLine = 1000;
    std::string line;
    for (std::size_t i = 0; i < perLine; ++i)
        line += "[PLUS1]";
    const std::size_t linesWithin = ClickScript::kMaxFilledBytes / (perLine * 1000 + 2);
    std::string script;
    for (std::size_t i = 0; i < linesWithin; ++i)
        script += line + "\n";
    const Result<std::string> within = ClickScript::fill(script, sheet, {});
    ASSERT_TRUE(within) << within.error().message;
    EXPECT_EQ(within->size(), linesWithin * (perLine * 1000 + 2));

    script += line + "\n";
    const Result<std::string> over = ClickScript::fill(script, sheet, {});
    ASSERT_FALSE(over);
    EXPECT_EQ(over.error().code, Error::Code::BadInput);
    EXPECT_NE(over.error().message.find("larger than 8 MiB (line " + std::to_string(linesWithin + 1) + ")"),
              std::string::npos)
        << over.error().message;
}

TEST(ClickScript, FileIsWindows1252WithCrLf) {
    const TipSheet sheet = sampleSheet();
    struct Case {
        std::string script;
        std::string filled;
    };
    const Case cases[] = {
        // LF and CR LF come back as CR LF, a last line without an end gets one.
        {"a [Z1_1]\nb\r\nc", "a 5\r\nb\r\nc\r\n"},
        {"", ""},
        {"\r\n\r\n", "\r\n\r\n"},
        // Windows-1252 bytes stay as they were, the five unassigned ones included.
        {"\xE4\x80\x81\x8D\x8F\x90\x9D\xFF [SA]\r\n", "\xE4\x80\x81\x8D\x8F\x90\x9D\xFF NEIN\r\n"},
        // A UTF-8 script (with its byte-order mark) is written in Windows-1252.
        {"\xEF\xBB\xBF\xC3\xA4\xE2\x82\xAC [PLUS1]\n", "\xE4\x80 3\r\n"},
        // The ready message is written in Windows-1252 too.
        {"[MELDUNGFERTIG]", "Bitte \xFC"
                            "berpr\xFC"
                            "fen Sie jetzt den Tipp und dann k\xF6nnen Sie ihn abgeben!\r\n"},
        // A lone CR is no line end and stays in its line.
        {"x\ry\n", "x\ry\r\n"},
    };
    for (const Case &c : cases) {
        const Result<std::string> filled = ClickScript::fill(c.script, sheet, {});
        ASSERT_TRUE(filled) << filled.error().message;
        EXPECT_EQ(*filled, c.filled) << c.script;
    }

    // A character Windows-1252 has no byte for is refused with its line, never written as "?".
    const Result<std::string> arrow = ClickScript::fill("ok\nweiter \xE2\x86\x92 [SA]\n", sheet, {});
    ASSERT_FALSE(arrow);
    EXPECT_NE(arrow.error().message.find("line 2"), std::string::npos) << arrow.error().message;
    EXPECT_NE(arrow.error().message.find("U+2192"), std::string::npos) << arrow.error().message;
    TipSheet odd;
    odd.rows[0].lucky = "\xE2\x98\x98";
    EXPECT_FALSE(ClickScript::fill("[PLUS1]", odd, {}));

    // A text with a line end would add a line of its own to the script: refused where it is used.
    for (const char *broken : {"3\r\nKLICK", "3\nKLICK", "3\r"}) {
        TipSheet sheet2;
        sheet2.rows[1].lucky = broken;
        const Result<std::string> split = ClickScript::fill("a\n[PLUS2]\n", sheet2, {});
        ASSERT_FALSE(split) << broken;
        EXPECT_NE(split.error().message.find("[PLUS2]"), std::string::npos) << split.error().message;
        EXPECT_TRUE(ClickScript::fill("a\n[PLUS1]\n", sheet2, {}));
    }
}

TEST(ClickScript, NamesArgumentsAndTheCommandLimit) {
    EXPECT_EQ(ClickScript::filledName(serialFromYmd(2026, 8, 19)), "20260819.zqs");
    EXPECT_EQ(ClickScript::filledName(serialFromYmd(2027, 1, 2)), "20270102.zqs");

    const ClickScriptParameters values{"0", "spieler", "2", "geh \"heim\" 1"};
    const std::vector<std::string> args = ClickScript::arguments("/p/Tipps/20260819.zqs", values);
    EXPECT_EQ(args, (std::vector<std::string>{"START", "/p/Tipps/20260819.zqs", "0", "spieler", "2",
                                              "geh \"heim\" 1"}));
    EXPECT_EQ(ClickScript::commandText(args),
              "START \"/p/Tipps/20260819.zqs\" \"0\" \"spieler\" \"2\" \"geh \"heim\" 1\"");

    // START and five quoted values take 20 characters besides the values.
    const std::string exe = "/opt/klickwerk/navirun";
    const auto withText2 = [](std::size_t chars, const char *unit) {
        std::string text;
        for (std::size_t i = 0; i < chars; ++i)
            text += unit;
        return ClickScript::arguments("/p/x.zqs", {"0", "", "0", text});
    };
    const std::size_t room = ClickScript::kMaxCommandChars - 20 - 8 - 2;
    EXPECT_TRUE(ClickScript::checkCommandLength(exe, withText2(room, "a")));
    EXPECT_FALSE(ClickScript::checkCommandLength(exe, withText2(room + 1, "a")));
    // Characters count, not bytes.
    EXPECT_TRUE(ClickScript::checkCommandLength(exe, withText2(room, "\xC3\xBC")));
    EXPECT_TRUE(
        ClickScript::checkCommandLength(std::string(ClickScript::kMaxCommandChars, 'x'), withText2(0, "")));
    EXPECT_FALSE(ClickScript::checkCommandLength(std::string(ClickScript::kMaxCommandChars + 1, 'x'),
                                                 withText2(0, "")));
}

TEST(ClickScript, ReadsAndReplacesFiles) {
    const fs::path dir = fs::temp_directory_path() / ("quorix-clickscript-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path target = dir / "20260819.zqs";

    // A second run of the day replaces the first file as a whole.
    ASSERT_TRUE(ClickScript::write(target, "first, and longer\r\n"));
    ASSERT_TRUE(ClickScript::write(target, "second\r\n"));
    const Result<std::string> back = ClickScript::read(target);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, "second\r\n");

    // The folder is not made; a missing one is an error and leaves nothing behind.
    const Result<void> noFolder = ClickScript::write(dir / "Tipps" / "x.zqs", "x");
    ASSERT_FALSE(noFolder);
    EXPECT_FALSE(fs::exists(dir / "Tipps"));

    EXPECT_EQ(ClickScript::read(dir / "missing.zqs").error().code, Error::Code::NotFound);
    EXPECT_FALSE(ClickScript::read(""));
    EXPECT_FALSE(ClickScript::read(dir));
    std::ofstream(dir / "huge.zqs", std::ios::binary) << std::string(ClickScript::kMaxScriptBytes + 1, 'x');
    const Result<std::string> huge = ClickScript::read(dir / "huge.zqs");
    ASSERT_FALSE(huge);
    EXPECT_EQ(huge.error().code, Error::Code::BadInput);
    fs::remove_all(dir);
    quorix::testing::expectHostileFilesRefused(ClickScript::kMaxScriptBytes, [](const fs::path &p) {
        return quorix::testing::errorOf(ClickScript::read(p));
    });
}
