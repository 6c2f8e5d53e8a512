#pragma once

#include <array>

#include "core/tipcheck.h"

namespace quorix {

// The user's three Joker numbers with their enable boxes. They belong to the print settings
// dialog, which takes this object over; the tip check reads them. All unticked at start.
struct JokerNumbers {
    std::array<JokerTicket, 3> tickets{};
};

} // namespace quorix
