#include "core/game/lucky.h"

#include "core/game/tipcheck.h"

namespace quorix {

namespace {

template <class Better> int pickLucky(const NumberStatistics &s, Better better) {
    int best = 1;
    for (std::size_t i = 0; i < s.entries.size() && i < static_cast<std::size_t>(kHighestLucky); ++i) {
        if (better(s.entries[i].y, s.entries[static_cast<std::size_t>(best - 1)].y))
            best = static_cast<int>(i) + 1;
    }
    return best;
}

} // namespace

int rarestLucky(const NumberStatistics &s) {
    return pickLucky(s, [](int a, int b) { return a < b; });
}

int longestOutstandingLucky(const NumberStatistics &s) {
    return pickLucky(s, [](int a, int b) { return a > b; });
}

std::string chooseLucky(const TipParameters &p, Random &random, const StatisticSource &statistics) {
    if (!p.makeLucky) return "-";
    if (p.luckyOption == 1 || p.luckyOption == 2) {
        const bool rarest = p.luckyOption == 1;
        const NumberStatistics s =
            statistics(rarest ? StatisticKind::LuckyFrequency : StatisticKind::LuckyOutstanding);
        return std::to_string(rarest ? rarestLucky(s) : longestOutstandingLucky(s));
    }
    return std::to_string(random.below(kHighestLucky - kLowestLucky + 1) + kLowestLucky);
}

std::optional<int> seedFromAnswer(Random &random, std::string_view answer) {
    const std::optional<int> n = tipInteger(answer);
    if (!n) {
        random.seedFromCounter();
        return std::nullopt;
    }
    random.seed(static_cast<std::uint32_t>(*n));
    return n;
}

} // namespace quorix
