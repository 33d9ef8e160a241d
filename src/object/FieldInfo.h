#pragma once
// One reflected member of a component class.

#include <string>

namespace Orvex
{
class META_BASE;

struct FieldInfo
{
    std::string name;      // key in the data files, e.g. "Position"
    unsigned offset;       // bytes from the start of the component object (offsetof)
    const META_BASE* type; // the META_POD record of the member's type
};
} // namespace Orvex
