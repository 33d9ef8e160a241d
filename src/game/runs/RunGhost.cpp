#include "game/runs/RunGhost.h"

#include <filesystem>

#include "engine/Log.h"
#include "graphics/Color.h"
#include "graphics/DrawNow.h"
#include "graphics/Sprite.h"
#include "graphics/Textures.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
void RunGhost::Start(const std::string& level, bool show, const std::string& ghostPath)
{
    taken = GhostTrack{level, {}};
    ghost = GhostTrack{};
    shown = nullptr;
    std::error_code error;
    if (!show || ghostPath.empty() || !std::filesystem::is_regular_file(ghostPath, error))
        return;
    try
    {
        ghost = ReadGhost(ghostPath);
    }
    catch (const std::string& problem)
    {
        LogError(problem);
    }
}

void RunGhost::Take(const Entity& dog)
{
    GhostPose pose;
    if (const Transform* transform = dog.Get<Transform>())
    {
        pose.position = transform->position;
        pose.rotation = transform->rotation;
        pose.scale = transform->scale;
    }
    if (const Sprite* sprite = dog.Get<Sprite>())
        pose.texture = TextureName(sprite->texture);
    taken.poses.push_back(std::move(pose));
}

void RunGhost::Draw(bool drawn)
{
    const std::size_t step = taken.poses.size();
    shown = step < ghost.poses.size() ? &ghost.poses[step] : nullptr;
    if (!shown || !drawn)
        return;
    const cTexture* texture = nullptr;
    try
    {
        texture = GetTexture(shown->texture);
    }
    catch (const std::string& problem)
    {
        LogError(problem); // once: the ghost is gone with it
        ghost.poses.clear();
        shown = nullptr;
        return;
    }
    const QuadValues quad{tvec4(1.0f, 1.0f, 1.0f, alpha), shown->position, shown->rotation,
                          shown->scale, tvec2(0.0f)};
    DrawQuadNow(*texture, false, quad);
}
} // namespace Orvex
