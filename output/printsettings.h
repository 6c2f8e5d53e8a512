#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorix {

// What the ticket printing keeps between runs besides the Joker numbers: the paper format and
// where the marks start on the ticket (offsets in the printing's units). The defaults are the
// print settings' design values.
struct PrintSettings {
    int paperFormat = 0;
    int top = 53;
    int left = 32;
    bool operator==(const PrintSettings &) const = default;
};

// A Joker number as the settings keep it: its six digits as text, "012345". Reading takes the
// first six characters; fewer than six or a character that is no digit gives none.
std::optional<std::array<int, 6>> jokerDigitsFromText(std::string_view text);
std::string jokerDigitsText(const std::array<int, 6> &digits);

} // namespace quorix
