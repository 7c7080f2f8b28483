#include "platform/Random.h"

namespace platform {

std::int32_t SeededRandom::next(std::int32_t n) {
    if (n <= 0) return 0;
    std::uniform_int_distribution<std::int32_t> dist(0, n - 1);
    return dist(engine_);
}

std::int32_t ScriptedRandom::next(std::int32_t n) {
    ++draws;
    if (n <= 0) return 0;
    if (values.empty()) return 0;
    std::int32_t v = values.front();
    values.pop_front();
    if (v < 0) v = 0;
    return v % n;
}

} // namespace platform
