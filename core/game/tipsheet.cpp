#include "core/game/tipsheet.h"

#include "core/game/tipcheck.h"

namespace quorix {

std::string normalisedTipNumber(std::string_view text) {
    // Blanks of any kind around the number go, as they do when a field is typed into.
    constexpr std::string_view kBlanks = " \t\n\v\f\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
    const std::optional<int> value = tipInteger(text);
    if (!value || *value < kLowestNumber || *value > kHighestNumber) return {};
    return std::to_string(*value);
}

} // namespace quorix
