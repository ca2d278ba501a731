#include "Random.h"

#include <QtGlobal>

#include <utility>

namespace fw {

Random::Random() : engine_(std::random_device{}()) {}

Random::Random(std::uint32_t seed) : engine_(seed) {}

int Random::InRange(int lo, int hi)
{
    if (lo > hi)
        std::swap(lo, hi);
    return std::uniform_int_distribution<int>(lo, hi)(engine_);
}

} // namespace fw
