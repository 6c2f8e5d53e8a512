#pragma once

#include <array>

namespace quorix {

// The user's three Joker numbers with their enable boxes. They belong to the print settings
// dialog; the tip check reads them. All unticked until that dialog sets them.
struct JokerNumber {
    bool enabled = false;
    std::array<int, 6> digits{}; // 0..9, first digit first
};

struct JokerNumbers {
    std::array<JokerNumber, 3> numbers{};
};

} // namespace quorix
