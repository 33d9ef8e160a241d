#pragma once
// The five bytes in front of every pool block (before its front pad): the size the
// block was requested for and its flags. They sit at an odd offset in the page, so
// they are read and written bytewise, never through a cast pointer.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Orvex
{
struct BlockHeader
{
    static constexpr std::size_t Bytes = 5;
    static constexpr std::uint8_t InUse = 1;

    std::uint32_t size;  // bytes requested, 0 while the block is free
    std::uint8_t flags;  // bit 0: in use

    static BlockHeader Read(const unsigned char* at)
    {
        BlockHeader header;
        std::memcpy(&header.size, at, sizeof header.size);
        header.flags = at[sizeof header.size];
        return header;
    }

    static void Write(unsigned char* at, std::uint32_t size, std::uint8_t flags)
    {
        std::memcpy(at, &size, sizeof size);
        at[sizeof size] = flags;
    }

    // Throws the OAException that says why a block with this header cannot be
    // returned: a cleared header is a block already free, anything else a pointer
    // that was never handed out. Takes the fields by value, so that callers need not
    // keep a header in memory on their fast path.
    [[noreturn]] static void RejectFree(std::uint32_t size, std::uint8_t flags);
};
} // namespace Orvex
