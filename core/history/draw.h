#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/base/calendar.h"

namespace quorix {

// One drawing as the program handles it. Decoding widens every byte; nothing is validated.
struct Draw {
    DaySerial date = 0; // 0 = no date (the all-zero record)
    std::array<int, 6> numbers{};
    int bonus = 0;  // additional number "Z", 0 when the draw has none
    int lucky = 0;  // lucky number "G"
    int replay = 0; // Replay digit "R"
    std::array<int, 6> joker{};

    int crossSum() const;
    // The six Joker digits concatenated; leading zeros are kept.
    std::string jokerString() const;
    // Appends ",n1,...,n6,bonus,lucky,replay" to `line`: the fields the CSV and the number
    // server's lines share.
    void appendValueFields(std::string &line) const;
    bool operator==(const Draw &) const = default;
};

// The 24-byte little-endian record of the draw file:
// 0..7 date (double, days since 30.12.1899), 8..13 numbers, 14 bonus, 15 lucky,
// 16 Replay, 17..22 Joker digits (values 0..9), 23 filler.
struct DrawRecord {
    static constexpr std::size_t kSize = 24;
    static constexpr std::size_t kLegacySize = 16;
    std::array<std::uint8_t, kSize> bytes{};

    static DrawRecord fromDraw(const Draw &draw);
    Draw toDraw() const;
};

} // namespace quorix
