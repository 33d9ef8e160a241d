#include "data/ReplaceFile.h"

#include <cstdio>
#include <fstream>

namespace Orvex
{
void ReplaceFile(const std::string& path, const std::string& text, const std::string& what)
{
    const std::string temporary = path + ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close(); // a write that fails only when the buffer goes out shows here
        if (out.fail())
        {
            std::remove(temporary.c_str());
            throw "Could not write the " + what + ": " + path;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        throw "Could not replace the " + what + ": " + path;
    }
}
} // namespace Orvex
