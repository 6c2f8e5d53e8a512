#include "core/game/tipsheet.h"

#include <algorithm>

#include "core/game/tipcheck.h"

namespace quorix {

namespace {

// A field's text as a whole number; blanks of any kind around it go, as they do when a field is
// typed into.
std::optional<int> fieldInteger(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return std::nullopt;
    return tipInteger(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

} // namespace

std::string normalisedTipNumber(std::string_view text) {
    const std::optional<int> value = fieldInteger(text);
    if (!value || *value < kLowestNumber || *value > kHighestNumber) return {};
    return std::to_string(*value);
}

std::vector<int> rowTipNumbers(std::span<const std::string_view, kNumbersPerTip> fields) {
    std::vector<int> numbers;
    for (std::string_view field : fields) {
        const std::optional<int> value = fieldInteger(field);
        if (!value) break;
        if (*value < kLowestNumber || *value > kHighestNumber) continue;
        if (std::find(numbers.begin(), numbers.end(), *value) == numbers.end()) numbers.push_back(*value);
    }
    return numbers;
}

std::vector<int> rowTipNumbers(const TipRow &row) {
    const auto &n = row.numbers;
    const std::array<std::string_view, kNumbersPerTip> fields{n[0], n[1], n[2], n[3], n[4], n[5]};
    return rowTipNumbers(fields);
}

} // namespace quorix
