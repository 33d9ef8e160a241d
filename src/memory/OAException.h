#pragma once
// The pools' exception: an error code and its message.

#include <exception>
#include <string>

namespace Orvex
{
class OAException : public std::exception
{
public:
    enum ErrorCode : unsigned
    {
        NoMemory = 1,   // the general heap could not supply a page
        NoPages,        // the pool's page limit is reached
        TooLarge,       // a request larger than the pool's objects
        DoubleFree,     // a block returned while it was already free
        BadAddress,     // a pointer that the pool did not hand out
        CorruptedBlock, // the pad bytes around an object were overwritten
    };

    // Carries the standard message of the code.
    explicit OAException(ErrorCode code);
    ~OAException() override;

    const char* what() const noexcept override;
    unsigned Code() const { return code; }

private:
    unsigned code;
    std::string message;
};
} // namespace Orvex
