#pragma once
// Random whole numbers come from a source the caller hands to the rules, so
// a computation can be repeated from a seed and tests can script the draws.
#include <cstdint>
#include <deque>
#include <random>

namespace platform {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer 0 <= r < n; 0 when n <= 0.
    virtual std::int32_t next(std::int32_t n) = 0;
};

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed = 1) : engine_(seed) {}
    void seed(std::uint64_t s) { engine_.seed(s); }
    std::int32_t next(std::int32_t n) override;

private:
    std::mt19937_64 engine_;
};

// Plays back given values (each reduced into range); falls back to 0.
class ScriptedRandom : public RandomSource {
public:
    void push(std::int32_t v) { values.push_back(v); }
    std::int32_t next(std::int32_t n) override;
    std::deque<std::int32_t> values;
    int draws = 0;
};

// The seed of the desktop program's draws.
inline constexpr std::uint64_t kDefaultSeed = 0x5eed;

} // namespace platform
