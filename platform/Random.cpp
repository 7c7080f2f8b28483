#include "platform/Random.h"

namespace platform {

namespace {
// Per thread, as the message sink: workers draw from their own sources.
thread_local SeededRandom defaultSource(0x5eed);
thread_local RandomSource* current = &defaultSource;
} // namespace

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

RandomSource& randomSource() { return *current; }
void setRandomSource(RandomSource* source) { current = source ? source : &defaultSource; }

} // namespace platform
