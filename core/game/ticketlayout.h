#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/base/calendar.h"
#include "core/base/result.h"
#include "core/game/tipsheet.h"

namespace quorix {

// Where the printer puts its marks on the paper ticket. Every position is in units of 1/96 inch
// from the top-left corner of the page; each mark is a small "x" placed by its top-left corner.
inline constexpr int kTicketUnitsPerInch = 96;

// What the print settings add to the sheet: the two offsets that move every mark together (the
// only calibration a player has), the draw days and the ticked Jokers.
struct TicketChoices {
    int top = 53;
    int left = 32;
    bool saturday = false;
    bool wednesday = false;
    std::array<bool, 3> jokers{};
};

struct TicketMark {
    enum class Kind { Number, Lucky, Day, Joker };
    Kind kind = Kind::Number;
    int row = 0;   // sheet row 1..14 of a number or lucky mark, 0 for the others
    int field = 0; // number field 1..6 of a number mark, 0 for the others
    // 64 bits: a lucky box may hold any integer, and it is placed by the same formula.
    std::int64_t left = 0;
    std::int64_t top = 0;
    bool operator==(const TicketMark &) const = default;
};

std::string_view ticketMarkKindName(TicketMark::Kind kind);

// The first sheet row (1..14) whose first number field is empty while another field holds
// something or its lucky box is not "-". The ticket takes tips from their first field: such a row
// has no block of its own, and its marks would land in the block of another tip.
std::optional<int> rowNotFromFirstField(const TipSheet &sheet);

// Every mark the ticket gets, in the order they are set: the draw-day mark, the Joker marks, then
// row by row the six number marks and the lucky mark. Filled rows are packed into the ticket's
// blocks without gaps (row 1 always takes the first block). Empty fields and a lucky box "-" give
// no mark. A field or lucky box holding anything but a whole number, or a row as above, is an
// error and gives no marks at all.
Result<std::vector<TicketMark>> layoutTicket(const TipSheet &sheet, const TicketChoices &choices);

// The empty ticket's picture for test prints: its frame, not moved by the offsets; the picture is
// drawn unscaled into it, one pixel a unit.
struct TicketFrame {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr TicketFrame kTicketPictureFrame{10, -5, 785, 469};

// The paper formats of the print settings by index: length and width in millimetres and whether
// the page ends up landscape. None for an index outside the list.
struct PaperFormat {
    std::string_view name;
    int lengthMm;
    int widthMm;
    bool landscape;
};
inline constexpr int kPaperFormatCount = 4;
std::optional<PaperFormat> paperFormat(int index);

// The draw a ticket printed today is for: Sunday to Wednesday the Wednesday draw, Thursday to
// Saturday the Saturday draw.
bool ticketForSaturday(DaySerial today);

// What the cost is computed from: the tips (rows whose first field is filled) and the rows whose
// lucky box is not "-".
struct TicketTipCounts {
    int tips = 0;
    int withLucky = 0;
    bool operator==(const TicketTipCounts &) const = default;
};
TicketTipCounts countTicketTips(const TipSheet &sheet);

// The ticket's price in hundredths: 1.50 a tip, 1.00 a lucky number, 2.00 a ticked Joker; twice
// that for both draw days, nothing without a day.
std::int64_t ticketCostCents(const TicketTipCounts &counts, int tickedJokers, bool saturday, bool wednesday);

} // namespace quorix
