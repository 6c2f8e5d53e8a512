#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/base/result.h"

namespace quorix {

// The per-user settings file: one flat JSON object whose members are the stored values, each
// an integer, a text or binary data. Booleans are stored as the integers 0 and 1; binary data is
// {"binary": "<hex digits>"}, which keeps every byte exactly (the start date's 8-byte double).
//
//   {
//     "Chekcbox1": 0,
//     "DateTimePicker2": {"binary": "000000002028e440"},
//     "Edit1": "7"
//   }
//
// Reading is strict: anything else (other JSON values, a number with a fraction or beyond 32
// bits, a repeated name, text that is not UTF-8, trailing bytes) refuses the whole file, so a
// damaged file is never half taken.
struct SettingsFile {
    struct Binary {
        std::string bytes;
        bool operator==(const Binary &) const = default;
    };
    using Value = std::variant<std::int32_t, std::string, Binary>;
    using Map = std::map<std::string, Value>;

    // A real file has about 180 short values; these only stop files nobody wrote.
    static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;
    static constexpr std::size_t kMaxValues = 10000;

    // Only whitespace (or nothing) reads as no values; a UTF-8 byte-order mark in front is dropped.
    static Result<Map> parse(std::string_view bytes);
    // Two-space indented, one member a line, names in order, ending with a line end. Names and
    // texts must be UTF-8; binary data is written as lowercase hex.
    static Result<std::string> format(const Map &values);

    // An IEEE-754 double as 8 bytes, least significant first, and back; any other size is none.
    static std::string doubleBytes(double value);
    static std::optional<double> doubleFromBytes(std::string_view bytes);
};

} // namespace quorix
