#pragma once
// The reverse look-up of the resource caches: the name an entry was stored under.
// A linear walk, as only writing data files asks for it.

#include <string>
#include <unordered_map>

namespace Orvex
{
// Empty when the resource is null or not in the cache.
template <class Resource>
std::string CacheName(const std::unordered_map<std::string, Resource*>& cache,
                      const Resource* resource)
{
    if (resource)
        for (const auto& [name, held] : cache)
            if (held == resource)
                return name;
    return {};
}
} // namespace Orvex
