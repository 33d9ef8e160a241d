#include "graphics/ViewCulling.h"

#include <algorithm>
#include <cmath>

#include "graphics/VertexStreams.h"

namespace Orvex
{
namespace
{
// Distance from the object's origin beyond which none of its quad lies: the
// larger scale, as a bound for quads about their origin, grown for quads moved
// further out by their local offset.
float QuadRadius(const QuadValues& quad)
{
    const float reach = glm::length(glm::abs(quad.offset) + tvec2(0.5f, 0.5f));
    return std::max(std::abs(quad.scale.x), std::abs(quad.scale.y)) * std::max(1.0f, reach);
}
} // namespace

CullView MakeCullView(tvec2 position, float rotation, tvec2 extent, float margin)
{
    return CullView{position, rotation, glm::abs(extent) * 0.5f * margin};
}

bool IsCulled(const CullView& view, tvec2 parallax, const QuadValues& quad)
{
    const tvec2 relative = quad.position - view.centre * parallax;
    const float c = std::cos(view.rotation);
    const float s = std::sin(view.rotation);
    // Into the camera's frame: turned back by its rotation.
    const tvec2 local(c * relative.x + s * relative.y, -s * relative.x + c * relative.y);
    const float r = QuadRadius(quad);
    return std::abs(local.x) - r > view.halfExtent.x || std::abs(local.y) - r > view.halfExtent.y;
}
} // namespace Orvex
