#include "core/statistics/tipdistribution.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorix {

namespace {

std::optional<int> toInteger(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

TipDistribution countTipDistribution(const TipSheet &sheet) {
    static_assert(kTipRowCount == 14, "rows 13 and 14 are the interleaved pair");
    TipDistribution result;
    // Rows 13 and 14 interleave their fields: 13/1, 14/1, 13/2, 14/2, ...
    std::array<const std::string *, std::size_t{kTipRowCount} * kNumbersPerTip> order{};
    std::size_t n = 0;
    for (std::size_t row = 0; row < 12; ++row)
        for (const auto &field : sheet.rows[row].numbers)
            order[n++] = &field;
    for (std::size_t column = 0; column < kNumbersPerTip; ++column) {
        order[n++] = &sheet.rows[12].numbers[column];
        order[n++] = &sheet.rows[13].numbers[column];
    }

    for (const std::string *field : order) {
        const std::optional<int> value = toInteger(*field);
        if (!value) break;
        // A value outside the counters is skipped rather than written past them.
        if (*value < 0 || *value > kHighestNumber) continue;
        ++result.counts[static_cast<std::size_t>(*value)];
        ++result.total;
    }

    const auto numbers = std::span(result.counts).subspan(1);
    result.lowest = *std::min_element(numbers.begin(), numbers.end());
    result.highest = *std::max_element(numbers.begin(), numbers.end());
    return result;
}

} // namespace quorix
