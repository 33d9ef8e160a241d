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

#include <cstddef>
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

    // Created on first use, lives until the process ends.
    static MemoryManager& Get();

    // Throws "Too much space requested for object allocation." for 0 or > 4096.
    void* Allocate(std::size_t size);
    // The block's header tells its pool.
    void Free(void* block);

    // Pool index of a request size: 0 for 1..8, 1 for 9..16, ... 9 for 2049..4096,
    // 10 or more for sizes the pools do not serve (0 and above 4096).
    static unsigned SizeClass(std::size_t size);
    OABase& Pool(unsigned index);

private:
    MemoryManager();
    ~MemoryManager();
    OABase* pools[PoolCount];
};

template <class T, class... Args> T* New(Args&&... args)
{
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
