#include "graphics/DrawList.h"

#include <algorithm>

#include "graphics/GraphicsObject.h"

namespace Orvex
{
bool DrawsBefore(const DrawEntry& a, const DrawEntry& b)
{
    if (a.object->layer != b.object->layer)
        return a.object->layer < b.object->layer;
    return a.object->TextureId() < b.object->TextureId();
}

void SortDrawList(std::vector<DrawEntry>& list)
{
    std::stable_sort(list.begin(), list.end(), DrawsBefore);
}

std::vector<DrawRun> PlanRuns(const std::vector<DrawEntry>& sorted)
{
    std::vector<DrawRun> runs;
    for (std::size_t i = 0; i < sorted.size(); ++i)
    {
        const GraphicsObject& object = *sorted[i].object;
        const unsigned texture = object.TextureId();
        if (texture == 0)
            continue;
        const bool continues = !runs.empty() && runs.back().end == i &&
                               runs.back().texture == texture && runs.back().layer == object.layer;
        if (continues)
            runs.back().end = i + 1;
        else
            runs.push_back(DrawRun{texture, object.layer, i, i + 1});
    }
    return runs;
}
} // namespace Orvex
