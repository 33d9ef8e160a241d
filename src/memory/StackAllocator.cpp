#include "memory/StackAllocator.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace Orvex
{
namespace
{
constexpr std::size_t LinkBytes = sizeof(std::size_t);
static_assert(LinkBytes % StackAllocator::BlockAlignment == 0);

void WriteToStandardError(const std::string&, const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
}

StackAllocator::ErrorReport errorReport = WriteToStandardError;

std::unique_ptr<unsigned char[]> AllocateArena(std::size_t capacity)
{
    try
    {
        return std::unique_ptr<unsigned char[]>(new unsigned char[capacity]);
    }
    catch (const std::bad_alloc& error)
    {
        throw std::string("Allocation failure in StackAllocator ctor: ") + error.what();
    }
}

std::size_t RoundUp(std::size_t bytes)
{
    return (bytes + StackAllocator::BlockAlignment - 1) / StackAllocator::BlockAlignment *
           StackAllocator::BlockAlignment;
}
} // namespace

StackAllocator::StackAllocator(std::size_t capacity)
    : arena(AllocateArena(capacity)), capacity(capacity)
{
}

void* StackAllocator::Push(std::size_t bytes)
{
    const std::size_t room = capacity - offset;
    if (bytes > room || LinkBytes + RoundUp(bytes) > room)
        throw std::string("StackAllocator has no room for " + std::to_string(bytes) + " bytes (" +
                          std::to_string(room) + " of " + std::to_string(capacity) + " free).");
    std::memcpy(arena.get() + offset, &top, LinkBytes);
    top = offset + LinkBytes;
    offset = top + RoundUp(bytes);
    mostBytesUsed = std::max(mostBytesUsed, offset);
    ++objectsInUse;
    return arena.get() + top;
}

void StackAllocator::Pop(void* block)
{
    if (objectsInUse == 0 || block != arena.get() + top)
        throw std::string("StackAllocator blocks must be popped newest first.");
    offset = top - LinkBytes;
    std::memcpy(&top, arena.get() + offset, LinkBytes);
    --objectsInUse;
}

void StackAllocator::Clear()
{
    if (objectsInUse != 0)
    {
        errorReport(ErrorTitle, "StackAllocator attempted to be cleared with " +
                                    std::to_string(objectsInUse) + " objects in use.");
        objectsInUse = 0;
    }
    offset = 0;
    top = 0;
}

StackAllocator::ErrorReport StackAllocator::SetErrorReport(ErrorReport report)
{
    const ErrorReport previous = errorReport;
    errorReport = report ? report : WriteToStandardError;
    return previous;
}

StackAllocator& FrameStack()
{
    static StackAllocator frame(StackAllocator::DefaultCapacity);
    return frame;
}
} // namespace Orvex
