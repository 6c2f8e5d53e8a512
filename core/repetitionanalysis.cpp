#include "core/repetitionanalysis.h"

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

// A draw's numbers as a set of bits: the shared numbers of two draws are the bits both hold. The
// record holds bytes, so 0..255 covers every draw read from a file; a draw made up with other
// values is compared number by number.
struct NumberSet {
    std::array<std::uint64_t, 4> bits{};
    bool exact = true;

    explicit NumberSet(const Draw &draw) {
        for (int n : draw.numbers) {
            if (n < 0 || n > 255) {
                exact = false;
                continue;
            }
            bits[static_cast<std::size_t>(n) / 64] |= std::uint64_t{1} << (n % 64);
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
        int n = 0;
        for (std::size_t w = 0; w < a.bits.size(); ++w)
            n += std::popcount(a.bits[w] & b.bits[w]);
        return n;
    }

    // Every draw dated from the start date to the day before the turn's, in file order.
    bool compareEarlier(const BrowsedDraw &turn, RepetitionOutcome &out) const {
        for (std::size_t i = 0; i < m_draws.size(); ++i) {
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
};

} // namespace

RepetitionOutcome analyseRepetition(std::span<const Draw> draws, const RepetitionSettings &settings,
                                    const RepetitionHandler &handler) {
    return Walk(draws, settings, handler).run();
}

} // namespace quorix
