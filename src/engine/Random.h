#pragma once
// The one random source of the game: a seedable PCG32, so that fixed-step runs
// give the same numbers with every compiler and standard library (the standard
// distributions differ between implementations, and RAND_MAX is not 15 bits
// everywhere).

#include <cstdint>

namespace Orvex
{
namespace Random
{
void Seed(std::uint64_t seed);
// Uniform integer in [0, 32767], the 15-bit range the game's formulas were tuned for.
int Next15();
// Uniform in [0, 1] (both ends included): Next15() / 32767.
float Unit();
// Uniform in [-a, a].
float Spread(float a);
} // namespace Random
} // namespace Orvex
