#include "core/history/drawbrowser.h"

#include <algorithm>

#include "core/history/drawfile.h"
#include "core/game/game.h"

namespace quorix {

bool WeekdayFilter::excludes(DaySerial date) const {
    return !drawDayIncluded(weekdayOf(date), saturday, wednesday, WeekdayRule::Browser);
}

namespace {
BrowsedDraw at(std::span<const Draw> draws, std::size_t index) {
    return {index, draws[index]};
}
} // namespace

BrowsedDraw stepBack(std::span<const Draw> draws, std::size_t currentIndex, const WeekdayFilter &filter) {
    if (draws.empty()) return {};
    const std::size_t last = draws.size() - 1;
    std::size_t i = currentIndex;
    for (;;) {
        i = i == 0 ? 0 : i - 1;
        if (i > last) i = last;
        if (!filter.excludes(draws[i].date)) return at(draws, i);
        if (i == 0) break;
    }
    // Nothing earlier is admitted: stay rather than land on an excluded draw.
    return at(draws, std::min(currentIndex, last));
}

BrowsedDraw stepForward(std::span<const Draw> draws, std::size_t currentIndex, const WeekdayFilter &filter) {
    if (draws.empty()) return {};
    const std::size_t last = draws.size() - 1;
    for (std::size_t i = currentIndex >= last ? last : currentIndex + 1; i <= last; ++i) {
        if (!filter.excludes(draws[i].date)) return at(draws, i);
    }
    // The newest draw is excluded: its predecessor stands in when admitted; otherwise stay
    // (the steps never go round in circles).
    if (last > 0 && !filter.excludes(draws[last - 1].date)) return at(draws, last - 1);
    return at(draws, std::min(currentIndex, last));
}

bool drawForEndDate(std::span<const Draw> draws, DaySerial endDate, BrowsedDraw &selected) {
    if (draws.empty()) return false;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].date >= endDate) {
            selected = at(draws, i);
            return true;
        }
    }
    selected = at(draws, draws.size() - 1);
    return true;
}

Result<void> DrawBrowser::stepBack(const DrawFile &file, const WeekdayFilter &filter) {
    auto draws = file.readAll();
    if (!draws) return draws.error();
    m_current = quorix::stepBack(*draws, m_current.index, filter);
    return {};
}

Result<void> DrawBrowser::stepForward(const DrawFile &file, const WeekdayFilter &filter) {
    auto draws = file.readAll();
    if (!draws) return draws.error();
    m_current = quorix::stepForward(*draws, m_current.index, filter);
    return {};
}

Result<void> DrawBrowser::selectForEndDate(const DrawFile &file, DaySerial endDate) {
    auto draws = file.readAll();
    if (!draws) return draws.error();
    drawForEndDate(*draws, endDate, m_current);
    return {};
}

std::string drawDateText(std::string_view weekday, DaySerial date) {
    return std::string(weekday) + " " + formatShortDmy(date);
}

namespace {
std::string drawLine(std::string_view weekday, const Draw &draw, std::string_view afterDate) {
    std::string line = drawDateText(weekday, draw.date);
    line += afterDate;
    for (int n : draw.numbers)
        line += "  " + std::to_string(n);
    line += "     G:" + std::to_string(draw.lucky);
    line += "   R:" + std::to_string(draw.replay);
    return line;
}
} // namespace

std::string selectedDrawLine(std::string_view weekday, const Draw &draw, bool firstRecord) {
    return drawLine(weekday, draw, firstRecord ? "   " : "  ");
}

std::string steppedDrawLine(std::string_view weekday, const Draw &draw) {
    return drawLine(weekday, draw, "  ");
}

std::string selectedJokerLine(std::string_view weekday, const Draw &draw) {
    std::string line = drawDateText(weekday, draw.date) + "   ";
    for (int d : draw.joker)
        line += std::to_string(d) + " ";
    return line;
}

std::string steppedJokerLine(std::string_view weekday, const Draw &draw) {
    std::string line = drawDateText(weekday, draw.date) + "  ";
    for (int d : draw.joker)
        line += "  " + std::to_string(d);
    return line;
}

std::string crossSumText(const Draw &draw) {
    return "QS: " + std::to_string(draw.crossSum());
}

} // namespace quorix
