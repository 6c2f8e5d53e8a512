#pragma once

#include <cstdint>

namespace quorix {

// numerator / denominator (denominator > 0) to the nearest integer, a half going to the even
// neighbour. Worked on whole numbers: in floating point a limit such as 0.07 x 150 lands just
// above 10.5.
constexpr int roundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    std::int64_t rest = numerator % denominator;
    if (rest < 0) {
        rest += denominator;
        --quotient;
    }
    if (2 * rest > denominator || (2 * rest == denominator && quotient % 2 != 0)) ++quotient;
    return static_cast<int>(quotient);
}

} // namespace quorix
