#include "graphics/DrawList.h"

#include <algorithm>

#include "graphics/GraphicsObject.h"

namespace Orvex
{
DrawEntry::DrawEntry(GraphicsObject* object, const cMesh* mesh)
    : object(object), mesh(mesh), layer(object->layer), texture(object->TextureId())
{
}

bool DrawsBefore(const DrawEntry& a, const DrawEntry& b)
{
    if (a.layer != b.layer)
        return a.layer < b.layer;
    return a.texture < b.texture;
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
        const DrawEntry& entry = sorted[i];
        if (entry.texture == 0)
            continue;
        const bool continues = !runs.empty() && runs.back().end == i &&
                               runs.back().texture == entry.texture && runs.back().layer == entry.layer;
        if (continues)
            runs.back().end = i + 1;
        else
            runs.push_back(DrawRun{entry.texture, entry.layer, i, i + 1});
    }
    return runs;
}
} // namespace Orvex
