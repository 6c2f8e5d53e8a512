#include "core/analysis/repetitionanalysis.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace quorix {

int sharedNumbers(const Draw &tip, const Draw &draw) {
    int shared = 0;
    for (std::size_t i = 0; i < tip.numbers.size(); ++i) {
        const int n = tip.numbers[i];
        // A number the tip repeats counts once.
        if (std::find(tip.numbers.begin(), tip.numbers.begin() + static_cast<std::ptrdiff_t>(i), n) !=
            tip.numbers.begin() + static_cast<std::ptrdiff_t>(i))
            continue;
        if (std::find(draw.numbers.begin(), draw.numbers.end(), n) != draw.numbers.end()) ++shared;
    }
    return shared;
}

namespace {

// A draw's numbers as a set of bits: the shared numbers of two draws are the bits both hold.
// Draws of this game hold numbers up to 45; a damaged draw with a number outside 0..63 is
// compared number by number.
struct NumberSet {
    std::uint64_t bits = 0;
    bool exact = true;

    explicit NumberSet(const Draw &draw) {
        for (int n : draw.numbers) {
            if (n < 0 || n > 63)
                exact = false;
            else
                bits |= std::uint64_t{1} << n;
        }
    }
};

class Walk {
public:
    Walk(std::span<const Draw> draws, const RepetitionSettings &settings, const RepetitionHandler &handler)
        : m_draws(draws)
        , m_settings(settings)
        , m_handler(handler) {
        m_sets.reserve(draws.size());
        for (const Draw &d : draws)
            m_sets.emplace_back(d);
        m_dateOrdered = std::is_sorted(draws.begin(), draws.end(),
                                       [](const Draw &a, const Draw &b) { return a.date < b.date; });
    }

    RepetitionOutcome run() {
        RepetitionOutcome out;
        BrowsedDraw turn;
        if (!drawForEndDate(m_draws, m_settings.fromDate, turn)) return out;
        const DaySerial newest = m_draws.back().date;
        for (;;) {
            ++out.turns;
            out.lastTurnDraw = turn.draw;
            out.current = turn;
            if (m_handler.turn) m_handler.turn(out.turns, turn, newest);
            if (!compareEarlier(turn, out)) {
                out.stopped = true;
                return out;
            }
            const std::array<std::optional<BrowsedDraw>, 3> next = following(turn.index);
            ShareCounts *tables[] = {&out.tables.next1, &out.tables.next2, &out.tables.next3};
            for (std::size_t k = 0; k < next.size(); ++k)
                if (next[k]) ++(*tables[k])[static_cast<std::size_t>(shared(turn.index, next[k]->index))];
            if (!next[0]) return out;
            // The browser ends the turn on the next draw, which has a turn of its own only while
            // it is older than the newest: the newest draw has a turn only as the first.
            out.current = *next[0];
            if (next[0]->draw.date >= newest) return out;
            turn = *next[0];
        }
    }

private:
    int shared(std::size_t tip, std::size_t draw) const {
        const NumberSet &a = m_sets[tip];
        const NumberSet &b = m_sets[draw];
        if (!a.exact || !b.exact) return sharedNumbers(m_draws[tip], m_draws[draw]);
        return std::popcount(a.bits & b.bits);
    }

    // The positions that can hold draws dated startDate .. before `before`: in a file in date
    // order one stretch, in any other file all of it.
    std::pair<std::size_t, std::size_t> earlierStretch(DaySerial before) const {
        if (!m_dateOrdered) return {0, m_draws.size()};
        auto firstOnOrAfter = [this](DaySerial date) {
            return static_cast<std::size_t>(
                std::partition_point(m_draws.begin(), m_draws.end(),
                                     [date](const Draw &d) { return d.date < date; }) -
                m_draws.begin());
        };
        return {firstOnOrAfter(m_settings.startDate), firstOnOrAfter(before)};
    }

    // Every draw dated from the start date to the day before the turn's, in file order.
    bool compareEarlier(const BrowsedDraw &turn, RepetitionOutcome &out) const {
        const auto [first, end] = earlierStretch(turn.draw.date);
        for (std::size_t i = first; i < end; ++i) {
            const Draw &r = m_draws[i];
            if (r.date < m_settings.startDate || r.date >= turn.draw.date) continue;
            const int hits = shared(turn.index, i);
            ++out.tables.earlier[static_cast<std::size_t>(hits)];
            if (hits >= m_settings.threshold && m_handler.match && !m_handler.match(turn.draw, r, hits))
                return false;
        }
        return true;
    }

    // The browser's first, second and third step forward from `index`; a step that does not
    // land on a later draw (the newest reached, or nothing later admitted) has no draw, nor have
    // the steps after it.
    std::array<std::optional<BrowsedDraw>, 3> following(std::size_t index) const {
        std::array<std::optional<BrowsedDraw>, 3> next;
        for (std::optional<BrowsedDraw> &step : next) {
            const BrowsedDraw to = stepForward(m_draws, index, m_settings.filter);
            if (to.index <= index) break;
            step = to;
            index = to.index;
        }
        return next;
    }

    std::span<const Draw> m_draws;
    const RepetitionSettings &m_settings;
    const RepetitionHandler &m_handler;
    std::vector<NumberSet> m_sets;
    bool m_dateOrdered = true;
};

} // namespace

RepetitionOutcome analyseRepetition(std::span<const Draw> draws, const RepetitionSettings &settings,
                                    const RepetitionHandler &handler) {
    return Walk(draws, settings, handler).run();
}

} // namespace quorix
