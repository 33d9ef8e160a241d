#pragma once
// The fixed, ordered name lists of the reflected classes. A class's id is its
// place in its list, whatever order the program's files are compiled, linked or
// initialised in, and even before the class exists. The order is binding: it is
// the order of component Init, of components in a written level and of the
// editor's lists. New classes are appended, never inserted.

#include <string>
#include <vector>

#include "object/MetaBase.h"

namespace Orvex
{
// The list of one kind; empty for plain types (their names are generated).
const std::vector<std::string>& FixedTypeNames(MetaKind kind);
} // namespace Orvex
