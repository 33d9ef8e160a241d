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
// Lifetime: the manager is a function-local static, and statics are destroyed in
// the reverse order of their construction. A static container built before the
// manager's first use would therefore outlive it and free into a destroyed pool.
// So every file that includes this header makes the manager exist during its own
// static initialisation, before the statics it defines: the manager is destroyed
// after all of them and still takes back what their destructors free. Rejected: a
// manager that is never destroyed (no leak report, pages never released) and a
// reference-counted guard (the same ordering with more machinery).

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace Orvex
{
class OABase;

class MemoryManager
{
public:
    static constexpr unsigned PoolCount = 10;
    static constexpr std::size_t LargestObject = 4096; // bytes, the biggest pool's objects

    // Created on first use, lives until the process ends.
    static MemoryManager& Get();

    // Throws "Too much space requested for object allocation." for 0 or > 4096.
    void* Allocate(std::size_t size);
    // The block's header tells its pool. A null block is ignored. A block freed
    // twice, or one no pool handed out, throws OAException.
    void Free(void* block);

    // Pool index of a request size: 0 for 1..8, 1 for 9..16, ... 9 for 2049..4096,
    // 10 or more for sizes the pools do not serve (0 and above 4096).
    static unsigned SizeClass(std::size_t size);
    // Index 0 is the 8-byte pool, 9 the 4096-byte pool; others throw.
    OABase& Pool(unsigned index);

    MemoryManager(const MemoryManager&) = delete;
    MemoryManager& operator=(const MemoryManager&) = delete;

private:
    MemoryManager();
    ~MemoryManager();
    std::unique_ptr<OABase> pools[PoolCount];
};

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
} // namespace Orvex
