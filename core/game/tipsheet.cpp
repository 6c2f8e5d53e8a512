#include "core/game/tipsheet.h"

#include <algorithm>
#include <charconv>

namespace quorix {

std::optional<int> tipInteger(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') return std::nullopt;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

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
