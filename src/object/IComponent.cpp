#include "object/IComponent.h"

#include <algorithm>
#include <string>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
// The fixed slot of a listed component, whether or not its class is built in.
unsigned ListedComponentId(const std::string& name)
{
    const std::vector<std::string>& names = TypeRegistry::Names(MetaKind::Component);
    return static_cast<unsigned>(std::find(names.begin(), names.end(), name) - names.begin());
}

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
    static const unsigned boxCollider = ListedComponentId("BoxCollider");
    static const unsigned meshCollider = ListedComponentId("MeshCollider");
    if (!DependencyChecksOn() || owner->Get(boxCollider) || owner->Get(meshCollider))
        return;
    throw DependencyFailure(*owner, "a Collider");
}
} // namespace Orvex
