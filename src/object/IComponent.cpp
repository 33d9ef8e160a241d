#include "object/IComponent.h"

#include <string>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
std::string DependencyFailure(const Entity& entity, const std::string& missing)
{
    return "Dependency fail. Entity " + entity.name + " doesn't have " + missing;
}
} // namespace

bool IComponent::DependencyChecksOn()
{
    Engine* engine = Engine::Get();
    const IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    return !state || state->ChecksDependencies();
}

void IComponent::RequireComponent(unsigned typeId) const
{
    if (!DependencyChecksOn() || owner->Get(typeId))
        return;
    throw DependencyFailure(*owner, "Component " + TypeRegistry::Names(MetaKind::Component).at(typeId));
}

void IComponent::RequireCollider() const
{
    static const unsigned boxCollider = TypeRegistry::ListedId("BoxCollider", MetaKind::Component);
    static const unsigned meshCollider = TypeRegistry::ListedId("MeshCollider", MetaKind::Component);
    if (!DependencyChecksOn() || owner->Get(boxCollider) || owner->Get(meshCollider))
        return;
    throw DependencyFailure(*owner, "a Collider");
}
} // namespace Orvex
