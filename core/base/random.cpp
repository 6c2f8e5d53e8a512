#include "core/base/random.h"

#include <chrono>

namespace quorix {

void Random::seedFromCounter() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    m_state = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks));
}

} // namespace quorix
