// Memory scenes: the size-class pools side by side with the general heap.
//
//   MemoryHotPair<Heap>/S  one allocate + free of S bytes, the same block each time
//   MemoryChurn<Heap>      4,096 live blocks of 8 to 256 bytes; each step frees a
//                          random one and allocates a random size in its place
//
// Heaps: Pools (the memory manager, zeroed blocks), NewDelete (operator new and
// delete, not zeroed), MallocMemset (malloc, then zeroed), Calloc.

#include "memory/MemoryManager.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace Orvex;

namespace
{
struct Pools
{
    static void* Allocate(std::size_t size) { return MemoryManager::Get().Allocate(size); }
    static void Free(void* block) { MemoryManager::Get().Free(block); }
};

struct NewDelete
{
    static void* Allocate(std::size_t size) { return ::operator new(size); }
    static void Free(void* block) { ::operator delete(block); }
};

struct MallocMemset
{
    static void* Allocate(std::size_t size) { return std::memset(std::malloc(size), 0, size); }
    static void Free(void* block) { std::free(block); }
};

struct Calloc
{
    static void* Allocate(std::size_t size) { return std::calloc(1, size); }
    static void Free(void* block) { std::free(block); }
};

// SplitMix64 with a fixed seed: every run churns the same sequence.
class SceneRandom
{
public:
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    unsigned Below(unsigned bound) { return static_cast<unsigned>(Next() % bound); }

private:
    std::uint64_t state = 20240601;
};

constexpr unsigned kLiveBlocks = 4096;
constexpr unsigned kSmallest = 8, kLargest = 256; // bytes, the churn's sizes
constexpr unsigned kSteps = 1u << 16;             // precomputed churn steps, a power of two

struct ChurnStep
{
    unsigned slot; // live block to replace
    unsigned size; // bytes of its replacement
};

std::vector<ChurnStep> ChurnSteps()
{
    SceneRandom random;
    std::vector<ChurnStep> steps(kSteps);
    for (ChurnStep& step : steps)
        step = {random.Below(kLiveBlocks), kSmallest + random.Below(kLargest - kSmallest + 1)};
    return steps;
}

template <class Heap> void MemoryHotPair(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    for (auto _ : state)
    {
        void* block = Heap::Allocate(size);
        benchmark::DoNotOptimize(block);
        Heap::Free(block);
    }
}

template <class Heap> void MemoryChurn(benchmark::State& state)
{
    const std::vector<ChurnStep> steps = ChurnSteps();
    std::vector<void*> live(kLiveBlocks);
    for (unsigned i = 0; i < kLiveBlocks; ++i)
        live[i] = Heap::Allocate(steps[i].size);
    unsigned next = 0;
    for (auto _ : state)
    {
        const ChurnStep& step = steps[next++ & (kSteps - 1)];
        Heap::Free(live[step.slot]);
        live[step.slot] = Heap::Allocate(step.size);
        benchmark::DoNotOptimize(live[step.slot]);
    }
    for (void* block : live)
        Heap::Free(block);
}

#define ORVEX_HEAP_SCENES(Heap)                                                                    \
    BENCHMARK_TEMPLATE(MemoryHotPair, Heap)->RangeMultiplier(2)->Range(8, 4096);                   \
    BENCHMARK_TEMPLATE(MemoryChurn, Heap)

ORVEX_HEAP_SCENES(Pools);
ORVEX_HEAP_SCENES(NewDelete);
ORVEX_HEAP_SCENES(MallocMemset);
ORVEX_HEAP_SCENES(Calloc);
} // namespace
