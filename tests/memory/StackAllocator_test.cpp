#include "memory/StackAllocator.h"

#include "memory/Sanitizers.h"
#include "support/ErrorOf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace Orvex;

namespace
{
std::vector<std::string> reports; // "title: text"

void Record(const std::string& title, const std::string& text)
{
    reports.push_back(title + ": " + text);
}

std::string PopError(StackAllocator& stack, void* block)
{
    return ErrorOf([&] { stack.Pop(block); });
}
} // namespace

// Blocks are aligned and do not overlap; the arena fills exactly and then
// refuses, naming the room left; popping goes newest first and restores the offset.
TEST(StackAllocator, PushesFillTheArenaAndPopsGoNewestFirst)
{
    StackAllocator stack(128);
    auto* a = static_cast<unsigned char*>(stack.Push(3));
    const std::size_t afterA = stack.Offset();
    EXPECT_NE(ErrorOf([&] { stack.Push(105); }), "no error") << "fits, but not with its link";
    auto* b = static_cast<unsigned char*>(stack.Push(104)); // a whole number of blocks takes no more
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(a) % StackAllocator::BlockAlignment, 0u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(b) % StackAllocator::BlockAlignment, 0u);
    EXPECT_GE(b, a + 3);
    EXPECT_EQ(stack.Offset(), 128u); // with their 8-byte links, the whole arena
    EXPECT_EQ(ErrorOf([&] { stack.Push(1); }), "StackAllocator has no room for 1 bytes (0 of 128 free).");
    EXPECT_NE(ErrorOf([] { StackAllocator(64).Push(std::numeric_limits<std::size_t>::max()); }), "no error");
    EXPECT_EQ(stack.ObjectsInUse(), 2u);
    EXPECT_EQ(PopError(stack, a), "StackAllocator blocks must be popped newest first.");
    EXPECT_EQ(stack.ObjectsInUse(), 2u);
    stack.Pop(b);
    EXPECT_EQ(stack.Offset(), afterA);
    stack.Pop(a);
    EXPECT_EQ(stack.Offset(), 0u);
    EXPECT_EQ(stack.ObjectsInUse(), 0u);
    EXPECT_NE(PopError(stack, a), "no error") << "popping an empty stack";
    EXPECT_EQ(stack.MostBytesUsed(), 128u);
}

// An empty stack clears silently; one in use reports and resets, to the report
// set or, by default, to standard error.
TEST(StackAllocator, ClearWithObjectsInUseReportsAndResets)
{
    StackAllocator::SetErrorReport(Record);
    StackAllocator stack;
    stack.Pop(stack.Push(32));
    stack.Clear();
    EXPECT_TRUE(reports.empty());
    stack.Push(8);
    stack.Push(8);
    stack.Clear();
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "Stack Allocator Error: StackAllocator attempted to be cleared with 2 objects in use."}));
    EXPECT_EQ(stack.ObjectsInUse(), 0u);
    EXPECT_EQ(stack.Offset(), 0u);
    EXPECT_NE(stack.Push(4000), nullptr) << "the whole arena is free again";
    StackAllocator::SetErrorReport(nullptr);
    testing::internal::CaptureStderr();
    stack.Clear();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "StackAllocator attempted to be cleared with 1 objects in use.\n");
}

TEST(StackAllocatorArena, HeapFailureNamesTheConstructor)
{
    SKIP_WHERE_HEAP_FAILURE_ABORTS();
    EXPECT_THAT(ErrorOf([] { StackAllocator stack(std::numeric_limits<std::size_t>::max()); }),
                testing::StartsWith("Allocation failure in StackAllocator ctor: std::bad"));
}
