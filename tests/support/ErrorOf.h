#pragma once
// The engine raises its errors as strings: a test compares the text.

#include <functional>
#include <string>

namespace Orvex
{
// The text of the string error the action raised, or "no error".
inline std::string ErrorOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const std::string& error)
    {
        return error;
    }
    return "no error";
}
} // namespace Orvex
