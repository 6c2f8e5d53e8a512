#include "core/analysis/tipsearch.h"

#include <string>
#include <utility>

#include "core/game/game.h"

namespace quorix {

bool searchesDate(const StatisticsWindow &window, DaySerial date) {
    if (date < window.startDate || date > window.endDate) return false;
    return drawDayIncluded(weekdayOf(date), window.saturday, window.wednesday, WeekdayRule::Search);
}

Result<int> searchThreshold(std::string_view text) {
    if (const std::optional<int> value = tipInteger(text)) return *value;
    Error error = errorOf(Error::Code::BadInput, ErrorKind::NotANumberValue);
    error.text = text;
    return describedError(std::move(error));
}

SearchOutcome searchTips(const TipSheet &sheet, const StatisticsWindow &window, int threshold,
                         std::span<const Draw> draws, const SearchHandler &handler) {
    SearchOutcome outcome;
    for (const Draw &draw : draws) {
        if (!searchesDate(window, draw.date)) continue;
        ++outcome.searched;
        if (handler.draw) handler.draw(draw);
        for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
            const TipRow &tip = sheet.rows[r];
            const TipMatch match = zettelcheck(tip.numbers, tip.lucky, draw);
            const int row = static_cast<int>(r);
            if (handler.row) handler.row(row, match);
            if (match.hits < threshold) continue;
            if (handler.match && !handler.match(draw, row, match)) {
                outcome.stopped = true;
                return outcome;
            }
        }
    }
    return outcome;
}

} // namespace quorix
