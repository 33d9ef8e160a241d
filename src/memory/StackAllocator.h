#pragma once
// Scratch arena that is emptied once per frame: blocks are pushed on top of each
// other and popped newest first, or all dropped at once by Clear.
//
// Each block is preceded by one word holding the offset of the block below it, so
// Pop can check that it releases the newest block and restore the one before.
// Clearing with blocks still pushed is a bug in their user; it is reported through a
// replaceable function, so this module stays free of any window library (the
// engine installs one that shows a message box; the default writes to standard
// error).

#include <cstddef>
#include <memory>
#include <string>

namespace Orvex
{
class StackAllocator
{
public:
    using ErrorReport = void (*)(const std::string& title, const std::string& text);

    static constexpr std::size_t DefaultCapacity = 4096; // bytes
    static constexpr std::size_t BlockAlignment = 8;     // bytes, of every block
    static constexpr const char* ErrorTitle = "Stack Allocator Error";

    // Throws "Allocation failure in StackAllocator ctor: " + the heap's error text.
    explicit StackAllocator(std::size_t capacity = DefaultCapacity);

    // An uninitialised block of `bytes` bytes on top of the stack; throws when the
    // arena has no room for it.
    void* Push(std::size_t bytes);
    // Releases `block`, which must be the newest block still pushed; anything else
    // throws and changes nothing.
    void Pop(void* block);
    // Empties the arena. Blocks still pushed are reported through the error report
    // ("StackAllocator attempted to be cleared with N objects in use.") and dropped.
    void Clear();

    unsigned ObjectsInUse() const { return objectsInUse; }
    std::size_t Offset() const { return offset; }
    std::size_t Capacity() const { return capacity; }
    std::size_t MostBytesUsed() const { return mostBytesUsed; }

    // Installs the reporter of Clear's error (nullptr: standard error) and returns
    // the one it replaces.
    static ErrorReport SetErrorReport(ErrorReport report);

private:
    std::unique_ptr<unsigned char[]> arena;
    std::size_t offset = 0;        // bytes in use from the arena's start, 0 to capacity
    std::size_t capacity;          // bytes
    std::size_t top = 0;           // offset of the newest block, 0 when none
    unsigned objectsInUse = 0;     // blocks pushed and not popped
    std::size_t mostBytesUsed = 0; // the largest value offset has reached, bytes
};

// The engine's per-frame arena (4096 bytes), created on first use and cleared at the
// start of every frame.
StackAllocator& FrameStack();
} // namespace Orvex
