#include "output/printsettings.h"

namespace quorix {

std::optional<std::array<int, 6>> jokerDigitsFromText(std::string_view text) {
    std::array<int, 6> digits{};
    if (text.size() < digits.size()) return std::nullopt;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        digits[i] = text[i] - '0';
    }
    return digits;
}

std::string jokerDigitsText(const std::array<int, 6> &digits) {
    std::string text;
    for (const int digit : digits)
        text += static_cast<char>('0' + (digit >= 0 && digit <= 9 ? digit : 0));
    return text;
}

} // namespace quorix
