#include "object/Reflection.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace Orvex
{
StartupRegistration::StartupRegistration(void (*registerClass)())
{
    try
    {
        registerClass();
    }
    catch (const std::string& error)
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::abort();
    }
}
} // namespace Orvex
