#include "core/compute/acceptance.h"

#include <algorithm>
#include <bit>

namespace quorix {

namespace {

constexpr NumberMask kPrimes = [] {
    NumberMask m = 0;
    for (int p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43})
        m |= NumberMask{1} << p;
    return m;
}();

constexpr NumberMask kEven = [] {
    NumberMask m = 0;
    for (int n = 2; n <= kHighestNumberOfAnyEra; n += 2)
        m |= NumberMask{1} << n;
    return m;
}();

constexpr NumberMask kOdd = [] {
    NumberMask m = 0;
    for (int n = 1; n <= kHighestNumberOfAnyEra; n += 2)
        m |= NumberMask{1} << n;
    return m;
}();

bool inMask(NumberMask m, int n) {
    return n >= 1 && n <= kHighestNumberOfAnyEra && ((m >> n) & 1u) != 0;
}

} // namespace

CandidateFilter::CandidateFilter(const TipParameters &parameters, const ReferenceDraws &draws,
                                 const DrawTable &history)
    : m_p(parameters)
    , m_draws(draws)
    , m_history(history) {
    refresh();
}

void CandidateFilter::refresh() {
    const Draw *d[] = {&m_draws.last, &m_draws.previous, &m_draws.thirdLast};
    for (std::size_t i = 0; i < 3; ++i) {
        NumberMask m = maskOf(d[i]->numbers);
        if (m_p.countBonusHit && d[i]->bonus >= 1 && d[i]->bonus <= kHighestNumberOfAnyEra)
            m |= NumberMask{1} << d[i]->bonus;
        m_reference[i] = m;
    }
}

void CandidateFilter::addCommitted(const TipNumbers &row) {
    const NumberMask mask = maskOf(row);
    int inRange = 0;
    for (int n : row)
        inRange += n >= 1 && n <= kHighestNumberOfAnyEra;
    m_rows.push_back({mask, row, std::popcount(mask) != inRange});
}

int CandidateFilter::shared(NumberMask candidate, const Row &row) const {
    if (!row.repeats) return std::popcount(candidate & row.mask);
    int m = 0;
    for (int n : row.numbers)
        m += inMask(candidate, n);
    return m;
}

bool CandidateFilter::accept(NumberMask c, int crossSum) const {
    return sharesWithinLimits(c) && shapeAllowed(c, crossSum) && historyAllows(c);
}

// Numbers shared with the rows already on the sheet.
bool CandidateFilter::sharesWithinLimits(NumberMask c) const {
    const TipParameters &p = m_p;
    if (m_rows.empty()) return true;
    int lowest = 7;
    int highest = -1;
    for (const Row &row : m_rows) {
        const int m = shared(c, row);
        if (p.sharedLimitsEachTip && (m < p.minShared || m > p.maxShared)) return false;
        lowest = std::min(lowest, m);
        highest = std::max(highest, m);
    }
    if (p.limitSharedMax && lowest > p.maxShared) return false;
    if (p.limitSharedMin && highest < p.minShared) return false;
    return true;
}

// Runs, cross sum, numbers of the last three draws, even and odd counts.
bool CandidateFilter::shapeAllowed(NumberMask c, int crossSum) const {
    const TipParameters &p = m_p;
    const NumberMask pairs = c & (c >> 1);
    if (p.forcePair && pairs == 0) return false;
    if (p.noRunsOfThree && (pairs & (c >> 2)) != 0) return false;
    if (crossSum < p.crossSumMin || crossSum > p.crossSumMax) return false;
    const bool limits[] = {p.limitLastDraw, p.limitPreviousDraw, p.limitThirdLastDraw};
    const int maxima[] = {p.maxFromLastDraw, p.maxFromPreviousDraw, p.maxFromThirdLastDraw};
    for (std::size_t i = 0; i < 3; ++i) {
        if (limits[i] && maxima[i] > 0 && std::popcount(c & m_reference[i]) > maxima[i]) return false;
    }
    if (p.requireEven && std::popcount(c & kEven) < p.minEven) return false;
    if (p.requireOdd && std::popcount(c & kOdd) < p.minOdd) return false;
    return true;
}

// The draw history, then the primes: without the short recent check the later tests are skipped,
// as the rules have it.
bool CandidateFilter::historyAllows(NumberMask c) const {
    const TipParameters &p = m_p;
    if (!p.recentCheckShort) return true;
    if (!m_history.noRecentHits(c, p.shortHits, p.shortDraws, p.countBonusHit)) return false;
    if (p.recentCheckLong && !m_history.noRecentHits(c, p.longHits, p.longDraws, p.countBonusHit))
        return false;
    if (p.neverWonBefore && !m_history.noPastWin(c, p.pastWinHits, p.countBonusHit)) return false;
    if (p.requirePrimes && std::popcount(c & kPrimes) < p.minPrimes) return false;
    return true;
}

bool acceptCandidate(const TipNumbers &candidate, int crossSum, const TipParameters &parameters,
                     const ReferenceDraws &draws, std::span<const TipNumbers> committed,
                     const DrawTable &history) {
    CandidateFilter filter(parameters, draws, history);
    for (const TipNumbers &row : committed)
        filter.addCommitted(row);
    return filter.accept(maskOf(candidate), crossSum);
}

} // namespace quorix
