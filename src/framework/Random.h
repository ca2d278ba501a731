#pragma once

#include <cstdint>
#include <random>

namespace fw {

// The program's random generator. InRange includes both bounds. The default
// generator starts from a varying state; a seed is for tests only.
class Random {
public:
    Random();
    explicit Random(std::uint32_t seed);
    virtual ~Random() = default;
    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;

    virtual int InRange(int lo, int hi);

private:
    std::mt19937 engine_;
};

} // namespace fw
