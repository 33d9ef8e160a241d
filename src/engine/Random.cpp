#include "engine/Random.h"

namespace Orvex
{
namespace Random
{
namespace
{
// PCG32 (XSH RR), one stream.
std::uint64_t state = 0x853c49e6748fea9bULL;
constexpr std::uint64_t multiplier = 6364136223846793005ULL;
constexpr std::uint64_t increment = 1442695040888963407ULL;

std::uint32_t Next32()
{
    const std::uint64_t old = state;
    state = old * multiplier + increment;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
}
} // namespace

void Seed(std::uint64_t seed)
{
    state = 0;
    Next32();
    state += seed;
    Next32();
}

int Next15() { return static_cast<int>(Next32() >> 17); }

float Unit() { return static_cast<float>(Next15()) / 32767.0f; }

float Spread(float a) { return Unit() * (a - (-a)) + (-a); }
} // namespace Random
} // namespace Orvex
