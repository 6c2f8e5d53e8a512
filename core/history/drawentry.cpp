#include "core/history/drawentry.h"

#include <algorithm>
#include <map>

#include "core/game/game.h"

namespace quorix {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// One decimal digit, blanks around it allowed; -1 for anything else.
int jokerDigit(const std::string &text) {
    auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    if (first == text.end() || last - first != 1 || *first < '0' || *first > '9') return -1;
    return *first - '0';
}

} // namespace

DrawEntryRanges drawEntryRanges() {
    DrawEntryRanges ranges{{kLowestNumber, kLowestNumber}, {0, 0}, {0, 0}, {0, 0}};
    for (const GameEra &era : gameEras()) {
        ranges.numbers.highest = std::max(ranges.numbers.highest, era.numbers().highest);
        if (era.hasBonus) ranges.bonus.highest = std::max(ranges.bonus.highest, era.numbers().highest);
        if (era.lucky) ranges.lucky.highest = std::max(ranges.lucky.highest, era.lucky->highest);
        if (era.replay) ranges.replay.highest = std::max(ranges.replay.highest, era.replay->highest);
    }
    return ranges;
}

Draw entryBaseDraw(std::span<const Draw> draws, DaySerial endDate) {
    if (draws.empty()) return Draw{};
    const auto match =
        std::find_if(draws.begin(), draws.end(), [endDate](const Draw &d) { return d.date == endDate; });
    return match != draws.end() ? *match : draws.back();
}

DrawEntryForm entryFormFor(const Draw &base) {
    DrawEntryForm form;
    form.date = base.date;
    form.numbers = base.numbers;
    form.bonus = base.bonus;
    form.lucky = base.lucky;
    form.replay = base.replay;
    for (std::size_t i = 0; i < form.joker.size(); ++i)
        form.joker[i] = std::to_string(base.joker[i]);
    return form;
}

Result<Draw> enteredDraw(const DrawEntryForm &form) {
    Draw draw;
    draw.date = form.date;
    draw.numbers = form.numbers;
    std::sort(draw.numbers.begin(), draw.numbers.end());
    draw.bonus = form.bonus;
    draw.lucky = form.lucky;
    draw.replay = form.replay;
    for (std::size_t i = 0; i < form.joker.size(); ++i) {
        const int digit = jokerDigit(form.joker[i]);
        if (digit < 0) {
            Error error = errorOf(Error::Code::BadInput, ErrorKind::JokerNotDigit);
            error.line = static_cast<long long>(i) + 1;
            error.text = form.joker[i];
            return describedError(std::move(error));
        }
        draw.joker[i] = digit;
    }
    return draw;
}

DaySerial earliestWednesdayKept() {
    return serialFromYmd(1986, 6, 4);
}

EntryPlacement placeEnteredDraw(std::span<const Draw> history, const Draw &entered) {
    EntryPlacement placement;
    // An empty history's newest date is 0, which no draw precedes.
    const DaySerial newest = history.empty() ? 0 : history.back().date;
    if (entered.date > newest) {
        placement.append = true;
        return placement;
    }
    const DaySerial earliestWednesday = earliestWednesdayKept();
    bool placed = false;
    for (const Draw &draw : history) {
        if (isWednesdayDraw(weekdayOf(draw.date)) && draw.date < earliestWednesday) {
            ++placement.dropped;
            continue;
        }
        if (!placed && draw.date >= entered.date) {
            placement.rewritten.push_back(entered);
            placed = true;
        }
        if (draw.date == entered.date) {
            ++placement.replaced;
            continue;
        }
        placement.rewritten.push_back(draw);
    }
    // When the only later draws were dropped ones, the entered draw still goes in, at the end.
    if (!placed) placement.rewritten.push_back(entered);
    return placement;
}

std::vector<Draw> withoutDrawsOf(std::span<const Draw> history, DaySerial date) {
    std::vector<Draw> kept;
    kept.reserve(history.size());
    std::copy_if(history.begin(), history.end(), std::back_inserter(kept),
                 [date](const Draw &d) { return d.date != date; });
    return kept;
}

MergeSummary summariseMerge(std::span<const Draw> history, std::span<const Draw> incoming) {
    std::map<DaySerial, Draw> byDate;
    for (const Draw &draw : incoming)
        byDate[draw.date] = draw;
    std::map<DaySerial, std::vector<const Draw *>> held;
    for (const Draw &draw : history)
        if (byDate.count(draw.date)) held[draw.date].push_back(&draw);

    MergeSummary summary;
    for (const auto &[date, draw] : byDate) {
        const auto found = held.find(date);
        if (found == held.end())
            ++summary.added;
        else if (found->second.size() == 1 && *found->second.front() == draw)
            ++summary.unchanged;
        else
            ++summary.replaced;
    }
    return summary;
}

} // namespace quorix
