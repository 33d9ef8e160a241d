#include "graphics/MeshChanger.h"

#include "graphics/Mesh.h"
#include "graphics/Sprite.h"
#include "messaging/Message.h"
#include "object/Entity.h"
#include "physics/MeshCollider.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(MeshChanger)

ORVEX_MEMBERS(MeshChanger) {}

namespace
{
struct MeshKey
{
    unsigned scancode; // SDL scancode
    const char* mesh;
};
constexpr MeshKey meshKeys[] = {{30, "Square"}, {31, "Octagon"}, {32, "Triangle"}}; // keys 1, 2, 3

const char* MeshForKey(unsigned scancode)
{
    for (const MeshKey& key : meshKeys)
        if (key.scancode == scancode)
            return key.mesh;
    return nullptr;
}
} // namespace

void MeshChanger::Init()
{
    RequireComponent<Sprite>();
    Subscribe(MSG_KEYDOWN, &MeshChanger::OnKeyDown);
}

void MeshChanger::OnKeyDown(const void* payload)
{
    const char* name = MeshForKey(static_cast<const KeyMessage*>(payload)->scancode);
    // Without the checks (the editor) the sprite may not be there yet.
    Sprite* sprite = owner->Get<Sprite>();
    if (!name || !sprite)
        return;
    cMesh* mesh = GetMesh(name);
    sprite->mesh = mesh;
    if (MeshCollider* collider = owner->Get<MeshCollider>())
        collider->mesh = mesh;
}
} // namespace Orvex
