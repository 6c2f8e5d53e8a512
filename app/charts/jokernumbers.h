#pragma once

#include <array>

#include "core/game/tipcheck.h"

namespace quorix {

// The user's three Joker numbers with their enable boxes. They belong to the print settings
// dialog, which takes this object over; the tip check reads them. All unticked at start.
struct JokerNumbers {
    std::array<JokerTicket, 3> tickets{};
};

// The draw days ticked in the print settings dialog; the click scripts read them. Both unticked
// until the dialog is first opened for printing.
struct TicketDays {
    bool saturday = false;
    bool wednesday = false;
};

} // namespace quorix
