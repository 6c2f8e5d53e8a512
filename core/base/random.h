#pragma once

#include <cstdint>

namespace quorix {

// The program's one random generator: a 32-bit linear congruential state.
// Whoever draws random numbers gets this object passed in, so a seed repeats a computation.
class Random {
public:
    explicit Random(std::uint32_t seed = 0)
        : m_state(seed) {}

    void seed(std::uint32_t state) { m_state = state; }
    // Seeds from the system's high-resolution counter.
    void seedFromCounter();
    std::uint32_t state() const { return m_state; }

    // A value 0..n-1 (n >= 1): state := state * 134775813 + 1 (mod 2^32), then the upper
    // 32 bits of state * n.
    std::uint32_t below(std::uint32_t n) {
        m_state = m_state * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_state) * n) >> 32);
    }

private:
    std::uint32_t m_state;
};

} // namespace quorix
