#pragma once
// Ten size-class pools (8 to 4096 bytes) from which every engine object comes.
//
//   void* block = MemoryManager::Get().Allocate(sizeof(T));   // zeroed
//   T* object = new (block) T(...);
//   ...
//   object->~T(); MemoryManager::Get().Free(block);
//
// New<T> and Delete do exactly this; Delete finds the start of the block of a
// polymorphic object from any of its base pointers.
//
// Speed: the pools are members of the manager, Allocate and Free are inline, and
// they work on the pools' cores (PoolCore) found by indexing with the size class,
// so a mix of sizes costs no jump on the class. A request of a size known at
// compile time (New<T>) gets code specialised for its pool. Only a pool that needs
// a page, and (in debug builds) the page check of a Free, go through the typed
// pool.
//
// Lifetime: the manager is a function-local static, and statics are destroyed in
// the reverse order of their construction. A static container built before the
// manager's first use would therefore outlive it and free into a destroyed pool.
// So every file that includes this header makes the manager exist during its own
// static initialisation, before the statics it defines: the manager is destroyed
// after all of them and still takes back what their destructors free. Rejected: a
// manager that is never destroyed (no leak report, pages never released) and a
// reference-counted guard (the same ordering with more machinery).

#include "memory/ObjectAllocator.h"

#include <cstddef>
#include <memory>
#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

namespace Orvex
{
class MemoryManager
{
public:
    static constexpr unsigned PoolCount = 10;
    static constexpr std::size_t LargestObject = 4096; // bytes, the biggest pool's objects

    // Created on first use, lives until the process ends. Inlined at every call
    // (the construction stays out of line), so a pair pays one guard test, no call.
    [[gnu::always_inline]] static MemoryManager& Get()
    {
        static MemoryManager manager;
        return manager;
    }

    // Throws "Too much space requested for object allocation." for 0 or > 4096.
    void* Allocate(std::size_t size);

    // The block's header tells its pool. A null block is ignored. A block freed
    // twice, or one no pool handed out, throws OAException.
    void Free(void* block);

    // Pool index of a request size: 0 for 1..8, 1 for 9..16, ... 9 for 2049..4096,
    // 10 or more for sizes the pools do not serve (0 and above 4096): the number of
    // binary digits of (size - 1) / 8 in 32-bit arithmetic, the size clamped to 32
    // bits first so that a huge request cannot wrap into a small class.
    static unsigned SizeClass(std::size_t size)
    {
        const std::uint32_t clamped = size > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(size);
        const std::uint32_t eighths = (clamped - 1) / 8;
        return eighths == 0 ? 0 : 32 - static_cast<unsigned>(__builtin_clz(eighths));
    }

    // Index 0 is the 8-byte pool, 9 the 4096-byte pool; others throw.
    OABase& Pool(unsigned index);

    MemoryManager(const MemoryManager&) = delete;
    MemoryManager& operator=(const MemoryManager&) = delete;

private:
    template <unsigned Index> using SizeClassPool = ObjectAllocator<(8u << Index)>;

    // Pool Index as a member and the larger ones as base: members are destroyed
    // before bases, so the pools go (and report leaks) smallest first.
    template <unsigned Index, bool = (Index < PoolCount)> struct PoolChain : PoolChain<Index + 1>
    {
        SizeClassPool<Index> pool;
    };
    template <unsigned Index> struct PoolChain<Index, false>
    {
    };

    // Every pool has the default pads, so one core type serves them all.
    using Core = SizeClassPool<0>::Core;

    static constexpr std::size_t ObjectSizeOf(unsigned index) { return std::size_t(8) << index; }

    [[gnu::noinline]] MemoryManager() { LinkCores(std::make_integer_sequence<unsigned, PoolCount>{}); }
    ~MemoryManager() = default;

    template <unsigned... Index> void LinkCores(std::integer_sequence<unsigned, Index...>)
    {
        ((cores[Index] = &PoolAt<Index>().core), ...);
    }

    [[noreturn]] static void RejectSize();

    template <unsigned Index> SizeClassPool<Index>& PoolAt()
    {
        return static_cast<PoolChain<Index>&>(pools).pool;
    }

    // Calls visit(pool) on pool `index` (below PoolCount), with the pool's own type.
    template <class Visit> decltype(auto) VisitPool(unsigned index, Visit visit)
    {
        return VisitPoolAmong(index, visit, std::make_integer_sequence<unsigned, PoolCount>{});
    }

    template <class Visit, unsigned... Index>
    decltype(auto) VisitPoolAmong(unsigned index, Visit& visit, std::integer_sequence<unsigned, Index...>)
    {
        using Result = decltype(visit(PoolAt<0>()));
        using Call = Result (*)(MemoryManager&, Visit&);
        static constexpr Call calls[] = {[](MemoryManager& self, Visit& v) -> Result {
            return v(self.PoolAt<Index>());
        }...};
        return calls[index](*this, visit);
    }

    PoolChain<0> pools;
    Core* cores[PoolCount]; // pools' cores by size class
};

inline void* MemoryManager::Allocate(std::size_t size)
{
    const unsigned index = SizeClass(size);
    if (index >= PoolCount)
        RejectSize();
    Core& core = *cores[index];
    if (!core.freeList)
        return VisitPool(index, [size](auto& pool) { return pool.Allocate(size); });
    return core.Take(size, ObjectSizeOf(index), true);
}

inline void MemoryManager::Free(void* block)
{
    if (!block)
        return;
    unsigned char* object = static_cast<unsigned char*>(block);
    const BlockHeader header = BlockHeader::Read(object - Core::HeaderOffset);
    const unsigned index = SizeClass(header.size);
    if (index >= PoolCount)
        BlockHeader::RejectFree(header.size, header.flags);
#ifdef NDEBUG
    Core::CheckReturnable(object, ObjectSizeOf(index));
    cores[index]->Give(object);
#else
    VisitPool(index, [block](auto& pool) { pool.Free(block); });
#endif
}

namespace MemoryManagerLifetime
{
struct Anchor
{
    Anchor() { MemoryManager::Get(); }
};
[[maybe_unused]] static const Anchor anchor;
} // namespace MemoryManagerLifetime

template <class T, class... Args> T* New(Args&&... args)
{
    static_assert(alignof(T) <= 8, "pool blocks are 8-aligned");
    void* block = MemoryManager::Get().Allocate(sizeof(T));
    try
    {
        return new (block) T(std::forward<Args>(args)...);
    }
    catch (...)
    {
        MemoryManager::Get().Free(block);
        throw;
    }
}

template <class T> void Delete(T* object)
{
    if (!object)
        return;
    void* block;
    if constexpr (std::is_polymorphic_v<T>)
        block = dynamic_cast<void*>(object);
    else
        block = object;
    object->~T();
    MemoryManager::Get().Free(block);
}

// Owns one pooled object and gives it back through Delete.
struct PoolDeleter
{
    template <class T> void operator()(T* object) const { Delete(object); }
};
template <class T> using Pooled = std::unique_ptr<T, PoolDeleter>;
} // namespace Orvex
