#include "core/game/ticketlayout.h"

#include <algorithm>
#include <string>

#include "core/game/tipcheck.h"

namespace quorix {

namespace {

// The ticket's geometry in 1/96 inch: a box is 14 wide and 16 high, a block 7 rows of 6 boxes,
// two blocks to a column.
constexpr int kBoxWidth = 14;
constexpr int kBoxHeight = 16;
constexpr int kBlockPitch = 81;
constexpr int kLowerBlock = 144;
// The numbers of these rows, printed in a lower block, sit three units lower.
constexpr int kLowerBlockShifted = 147;
constexpr int kLuckyLine = 128;
constexpr int kLuckyPitch = 16;
constexpr int kDayTop = 303;
constexpr int kSingleDayLeft = 130;
constexpr int kTwoDaysLeft = 145;
constexpr int kJokerTop = 323;
constexpr std::array<int, 3> kJokerLefts = {130, 287, 444};

bool shiftedRow(std::size_t row) {
    const std::size_t sheetRow = row + 1;
    return sheetRow == 5 || sheetRow == 7 || sheetRow == 9 || sheetRow == 11;
}

Error notWholeNumber(const std::string &text, std::size_t row) {
    Error error = errorOf(Error::Code::BadInput, ErrorKind::NotWholeNumber);
    error.text = text;
    error.line = static_cast<long long>(row) + 1;
    return describedError(std::move(error));
}

struct Slot {
    std::int64_t column = 0; // block column
    std::int64_t level = 0;  // 0 upper block, 1 lower block
};

Result<void> addRowMarks(const TipRow &row, std::size_t r, Slot slot, const TicketChoices &choices,
                         std::vector<TicketMark> &marks) {
    const std::int64_t lowerBlock = shiftedRow(r) ? kLowerBlockShifted : kLowerBlock;
    for (std::size_t f = 0; f < row.numbers.size(); ++f) {
        if (row.numbers[f].empty()) continue;
        const std::optional<int> number = tipInteger(row.numbers[f]);
        if (!number) return notWholeNumber(row.numbers[f], r);
        // Truncating division: numbers outside 1..42 are placed by the same formula.
        const std::int64_t q = (std::int64_t{*number} - 1) / 6;
        const std::int64_t p = (std::int64_t{*number} - 1) % 6;
        marks.push_back({TicketMark::Kind::Number, static_cast<int>(r + 1), static_cast<int>(f + 1),
                         choices.left + kBoxWidth * p + kBlockPitch * slot.column,
                         choices.top + kBoxHeight * q + lowerBlock * slot.level});
    }
    if (row.lucky == "-") return {};
    const std::optional<int> lucky = tipInteger(row.lucky);
    if (!lucky) return notWholeNumber(row.lucky, r);
    const std::int64_t g = *lucky;
    // The lucky boxes stand 16 apart, two units more than the number boxes.
    marks.push_back({TicketMark::Kind::Lucky, static_cast<int>(r + 1), 0,
                     choices.left + kBoxWidth * ((g - 1) % 6) + 2 * g + kBlockPitch * slot.column,
                     choices.top + kLuckyLine + kLowerBlock * slot.level});
    static_assert(kBoxWidth + 2 == kLuckyPitch);
    return {};
}

} // namespace

std::string_view ticketMarkKindName(TicketMark::Kind kind) {
    switch (kind) {
    case TicketMark::Kind::Number:
        return "number";
    case TicketMark::Kind::Lucky:
        return "lucky";
    case TicketMark::Kind::Day:
        return "day";
    case TicketMark::Kind::Joker:
        return "joker";
    }
    return "number";
}

std::optional<int> rowNotFromFirstField(const TipSheet &sheet) {
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const TipRow &row = sheet.rows[r];
        if (!row.numbers[0].empty()) continue;
        const bool more = std::any_of(row.numbers.begin() + 1, row.numbers.end(),
                                      [](const std::string &text) { return !text.empty(); });
        if (more || row.lucky != "-") return static_cast<int>(r + 1);
    }
    return std::nullopt;
}

Result<std::vector<TicketMark>> layoutTicket(const TipSheet &sheet, const TicketChoices &choices) {
    if (const std::optional<int> row = rowNotFromFirstField(sheet)) {
        Error error = errorOf(Error::Code::BadInput, ErrorKind::TicketRowNotFromFirstField);
        error.line = *row;
        return describedError(std::move(error));
    }
    std::vector<TicketMark> marks;
    const std::int64_t left = choices.left;
    const std::int64_t top = choices.top;
    if (choices.saturday != choices.wednesday)
        marks.push_back({TicketMark::Kind::Day, 0, 0, left + kSingleDayLeft, top + kDayTop});
    else if (choices.saturday)
        marks.push_back({TicketMark::Kind::Day, 0, 0, left + kTwoDaysLeft, top + kDayTop});
    for (std::size_t j = 0; j < choices.jokers.size(); ++j)
        if (choices.jokers[j])
            marks.push_back({TicketMark::Kind::Joker, 0, 0, left + kJokerLefts[j], top + kJokerTop});

    // Row 1 always takes slot 0; every later row whose first field is filled takes the next one.
    std::int64_t slot = 0;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const TipRow &row = sheet.rows[r];
        if (r > 0 && !row.numbers[0].empty()) ++slot;
        if (auto added = addRowMarks(row, r, {slot / 2, slot % 2}, choices, marks); !added)
            return added.error();
    }
    return marks;
}

std::optional<PaperFormat> paperFormat(int index) {
    static constexpr std::array<PaperFormat, kPaperFormatCount> kFormats = {{
        {"A4", 297, 210, false},
        {"A4 Quer", 297, 210, true},
        {"A5 Quer", 210, 148, true},
        {"18x10,6", 180, 106, true},
    }};
    if (index < 0 || index >= kPaperFormatCount) return std::nullopt;
    return kFormats[static_cast<std::size_t>(index)];
}

bool ticketForSaturday(DaySerial today) {
    return weekdayOf(today) >= kThursday;
}

TicketTipCounts countTicketTips(const TipSheet &sheet) {
    TicketTipCounts counts;
    for (const TipRow &row : sheet.rows) {
        if (!row.numbers[0].empty()) ++counts.tips;
        if (row.lucky != "-") ++counts.withLucky;
    }
    return counts;
}

std::int64_t ticketCostCents(const TicketTipCounts &counts, int tickedJokers, bool saturday, bool wednesday) {
    if (!saturday && !wednesday) return 0;
    const std::int64_t oneDraw = 150 * std::int64_t{counts.tips} + 100 * std::int64_t{counts.withLucky} +
                                 200 * std::int64_t{tickedJokers};
    return saturday && wednesday ? 2 * oneDraw : oneDraw;
}

} // namespace quorix
