#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "output/settingsfile.h"

using namespace quorix;

namespace {

using Map = SettingsFile::Map;
using Binary = SettingsFile::Binary;

struct Hostile {
    const char *name;
    std::string bytes;
};

void PrintTo(const Hostile &c, std::ostream *os) {
    *os << c.name;
}

} // namespace

TEST(SettingsFile, ReadsTheThreeValueFormsAndKeepsThemApart) {
    const auto read = SettingsFile::parse(R"( {
        "Sprache": 3, "Edit1": "3", "Low": -2147483648, "High": 2147483647,
        "DateTimePicker2": {"binary": "000000002028E440"},
        "Text": "Z\u00fcrich \ud83d\ude00 \"q\" \\ \/ \b\f\n\r\t", "Raw": "Zürich", "Empty": {"binary": ""}
    } )");
    ASSERT_TRUE(read.ok()) << read.error().message;
    const Map expected = {
        {"Sprache", 3},
        {"Edit1", std::string("3")},
        {"Low", std::numeric_limits<std::int32_t>::min()},
        {"High", std::numeric_limits<std::int32_t>::max()},
        {"DateTimePicker2", Binary{SettingsFile::doubleBytes(41281.0)}},
        {"Text", std::string("Zürich \xF0\x9F\x98\x80 \"q\" \\ / \b\f\n\r\t")},
        {"Raw", std::string("Zürich")},
        {"Empty", Binary{}},
    };
    EXPECT_EQ(*read, expected);
}

TEST(SettingsFile, WritesOneValueALineAndReadsItBack) {
    const Map values = {
        {"height", 560},
        {"Edit1", std::string("7")},
        {"Odd", std::string("a\"b\\c\x01\x7F\n")},
        {"DateTimePicker2", Binary{SettingsFile::doubleBytes(41281.0)}},
    };
    const auto text = SettingsFile::format(values);
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(*text, "{\n"
                     "  \"DateTimePicker2\": {\"binary\": \"000000002028e440\"},\n"
                     "  \"Edit1\": \"7\",\n"
                     "  \"Odd\": \"a\\\"b\\\\c\\u0001\\u007f\\n\",\n"
                     "  \"height\": 560\n"
                     "}\n");
    EXPECT_EQ(SettingsFile::parse(*text).value(), values);
    EXPECT_EQ(SettingsFile::format({}).value(), "{}\n");
    EXPECT_TRUE(SettingsFile::parse(" \r\n\t").value().empty());
    EXPECT_TRUE(SettingsFile::parse("").value().empty());
    EXPECT_EQ(SettingsFile::parse("\xEF\xBB\xBF{\"a\": 1}").value(), (Map{{"a", 1}}));
}

// Every ASCII character, control characters and quote and backslash included, comes back as it
// was: alone as a text, as a name, and all of them in one text. A character written raw where it
// must be escaped would make the whole file unreadable.
TEST(SettingsFile, EveryAsciiCharacterSurvivesARoundTrip) {
    std::string all;
    for (int c = 0x00; c <= 0x7F; ++c) {
        const std::string one(1, static_cast<char>(c));
        all += one;
        const Map values = {{"Edit1", one}, {"Name" + one, 1}, {one, 2}};
        const auto text = SettingsFile::format(values);
        ASSERT_TRUE(text.ok()) << "character " << c;
        const auto read = SettingsFile::parse(*text);
        ASSERT_TRUE(read.ok()) << "character " << c << ": " << read.error().message << "\n" << *text;
        EXPECT_EQ(*read, values) << "character " << c;
    }
    ASSERT_EQ(all.size(), 0x80u);
    const Map values = {{"All", all}, {"Edit1", std::string("7")}};
    const auto text = SettingsFile::format(values);
    ASSERT_TRUE(text.ok());
    const auto read = SettingsFile::parse(*text);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(*read, values);
}

TEST(SettingsFile, RefusesTextItCouldNotReadBack) {
    EXPECT_FALSE(SettingsFile::format({{"Edit1", std::string("\xFF")}}).ok());
    EXPECT_FALSE(SettingsFile::format({{"\xC3", 1}}).ok());
    EXPECT_FALSE(SettingsFile::format({{"", 1}}).ok());
}

TEST(SettingsFile, DoublesKeepAllEightBytes) {
    for (const double value : {41281.0, 41281.75, -0.0, 1e-310, std::numeric_limits<double>::infinity()}) {
        const std::string bytes = SettingsFile::doubleBytes(value);
        ASSERT_EQ(bytes.size(), 8U);
        const auto back = SettingsFile::doubleFromBytes(bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(SettingsFile::doubleBytes(*back), bytes);
        EXPECT_EQ(std::signbit(*back), std::signbit(value));
    }
    EXPECT_EQ(SettingsFile::doubleBytes(1.0), std::string("\0\0\0\0\0\0\xF0\x3F", 8)); // little-endian
    EXPECT_FALSE(SettingsFile::doubleFromBytes(std::string(7, '\0')).has_value());
    EXPECT_FALSE(SettingsFile::doubleFromBytes(std::string(9, '\0')).has_value());
}

class SettingsFileHostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(SettingsFileHostile, IsRefusedAsAWhole) {
    const auto read = SettingsFile::parse(GetParam().bytes);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().code, Error::Code::BadInput);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFileHostile,
    ::testing::Values(
        Hostile{"truncated", R"({"Edit1": "7", "Edit2": )"}, Hostile{"unterminated_text", R"({"Edit1": "7)"},
        Hostile{"no_object", R"("Edit1")"}, Hostile{"array", R"([1, 2])"},
        Hostile{"trailing_bytes", R"({"a": 1} x)"}, Hostile{"two_objects", R"({"a": 1}{"b": 2})"},
        Hostile{"trailing_comma", R"({"a": 1,})"}, Hostile{"missing_colon", R"({"a" 1})"},
        Hostile{"repeated_name", R"({"a": 1, "a": 2})"}, Hostile{"empty_name", R"({"": 1})"},
        Hostile{"fraction", R"({"a": 1.5})"}, Hostile{"exponent", R"({"a": 1e3})"},
        Hostile{"beyond_32_bits", R"({"a": 2147483648})"}, Hostile{"below_32_bits", R"({"a": -2147483649})"},
        Hostile{"huge_number", R"({"a": 99999999999999999999999999999})"},
        Hostile{"leading_zero", R"({"a": 07})"}, Hostile{"plus_sign", R"({"a": +7})"},
        Hostile{"lone_minus", R"({"a": -})"}, Hostile{"true", R"({"a": true})"},
        Hostile{"null", R"({"a": null})"}, Hostile{"nested_array", R"({"a": [1]})"},
        Hostile{"other_object", R"({"a": {"bytes": "00"}})"},
        Hostile{"binary_extra_member", R"({"a": {"binary": "00", "x": 1}})"},
        Hostile{"binary_odd_digits", R"({"a": {"binary": "000"}})"},
        Hostile{"binary_not_hex", R"({"a": {"binary": "0g"}})"},
        Hostile{"binary_number", R"({"a": {"binary": 0}})"},
        Hostile{"deep_nesting", std::string(100000, '{')}, Hostile{"invalid_utf8", "{\"a\": \"\xFF\"}"},
        Hostile{"overlong_utf8", "{\"a\": \"\xC0\xAF\"}"}, Hostile{"torn_utf8", "{\"a\": \"\xE2\x82\"}"},
        Hostile{"raw_control_char", "{\"a\": \"x\ty\"}"}, Hostile{"raw_newline", "{\"a\": \"x\ny\"}"},
        Hostile{"unknown_escape", R"({"a": "\x41"})"}, Hostile{"short_u_escape", R"({"a": "\u00f"})"},
        Hostile{"bad_u_escape", R"({"a": "\u00fg"})"}, Hostile{"signed_u_escape", R"({"a": "\u-0ff"})"},
        Hostile{"lone_high_surrogate", R"({"a": "\ud83d"})"},
        Hostile{"lone_low_surrogate", R"({"a": "\ude00"})"},
        Hostile{"high_then_text", R"({"a": "\ud83dx\ude00"})"},
        Hostile{"two_high_surrogates", R"({"a": "\ud83d\ud83d"})"}, Hostile{"escape_at_end", "{\"a\": \"\\"},
        Hostile{"nul_outside_text", std::string("{\"a\": 1\0}", 9)},
        Hostile{"larger_than_cap", "{\"a\": \"" + std::string(SettingsFile::kMaxFileBytes, 'x') + "\"}"}),
    [](const ::testing::TestParamInfo<Hostile> &info) { return std::string(info.param.name); });

TEST(SettingsFile, CapsTheNumberOfValues) {
    std::string many = "{";
    for (std::size_t i = 0; i <= SettingsFile::kMaxValues; ++i)
        many += (i ? ",\"" : "\"") + std::to_string(i) + "\":0";
    many += "}";
    EXPECT_FALSE(SettingsFile::parse(many).ok());
}
