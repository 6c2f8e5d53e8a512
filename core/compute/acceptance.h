#pragma once

#include <array>
#include <span>
#include <vector>

#include "core/history/drawtable.h"
#include "core/game/game.h"
#include "core/compute/numberpool.h"
#include "core/compute/tipparameters.h"

namespace quorix {

using TipNumbers = std::array<int, kNumbersPerTip>;

// The acceptance test of one computation. It reads the parameters live through the reference it
// was given; call refresh() after they change. Committed rows are the rows finished so far in the
// run (0 for an empty place).
class CandidateFilter {
public:
    CandidateFilter(const TipParameters &parameters, const ReferenceDraws &draws, const DrawTable &history);

    void refresh();
    void addCommitted(const TipNumbers &row);

    // The candidate as a mask of six different numbers 1..45 and its cross sum; the tests run in
    // their fixed order, cheapest first, and the first that fails rejects.
    bool accept(NumberMask candidate, int crossSum) const;

private:
    struct Row {
        NumberMask mask;    // when its numbers are six different ones (or empty places)
        TipNumbers numbers; // counted one by one otherwise
        bool repeats;
    };
    int shared(NumberMask candidate, const Row &row) const;
    // The steps of accept, in its order.
    bool sharesWithinLimits(NumberMask candidate) const;
    bool shapeAllowed(NumberMask candidate, int crossSum) const;
    bool historyAllows(NumberMask candidate) const;

    const TipParameters &m_p;
    const ReferenceDraws &m_draws;
    const DrawTable &m_history;
    std::vector<Row> m_rows;
    std::array<NumberMask, 3> m_reference{};
};

// One call as the rules state it: the candidate's six different numbers in ascending order.
bool acceptCandidate(const TipNumbers &candidate, int crossSum, const TipParameters &parameters,
                     const ReferenceDraws &draws, std::span<const TipNumbers> committed,
                     const DrawTable &history);

} // namespace quorix
