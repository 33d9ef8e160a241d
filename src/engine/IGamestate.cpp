#include "engine/IGamestate.h"

#include <algorithm>

#include "data/Level.h"
#include "engine/Engine.h"
#include "engine/Window.h"
#include "memory/MemoryManager.h"
#include "messaging/MessageSystem.h"
#include "object/Entity.h"
#include "object/TypeRegistry.h"

namespace Orvex
{
namespace
{
// The entity of that id, which must carry the named component.
Entity* EntityWith(const std::unordered_map<std::uint32_t, Entity*>& entities, std::uint32_t id,
                   const std::string& component, const std::string& failure)
{
    Entity* entity = entities.at(id);
    if (!entity->Get(TypeRegistry::ListedId(component, MetaKind::Component)))
        throw failure + entity->name;
    return entity;
}
} // namespace

IGamestate::IGamestate(bool showCursor, bool checkDependencies)
    : showCursor(showCursor), checkDependencies(checkDependencies),
      soundGroups(SoundManager::CreateGameStateGroups())
{
    ApplyCursor();
}

IGamestate::~IGamestate()
{
    for (auto& entry : entities)
    {
        Delete(entry.second);
        entry.second = nullptr;
    }
    for (ISystem* system : systems)
    {
        if (system == messageSystem)
            continue;
        system->Shutdown();
        Delete(system);
    }
    // Last: every listener above has unsubscribed from it by now. Forgotten
    // before it goes, as a listener itself it would otherwise unsubscribe from
    // its own half-destroyed self.
    MessageSystem* messages = messageSystem;
    messageSystem = nullptr;
    Delete(messages);
    SoundManager::ReleaseGameStateGroups(soundGroups);
}

void IGamestate::AddSystem(ISystem* system)
{
    if (auto* messages = dynamic_cast<MessageSystem*>(system))
        messageSystem = messages;
    systems.push_back(system);
    system->Init();
}

void IGamestate::AddSystem(const std::string& name)
{
    ISystem* system = TypeRegistry::CreateSystem(name);
    if (!system)
        throw "System not registered: " + name;
    AddSystem(system);
}

void IGamestate::AddEntity(Entity* entity) { entities[entity->id] = entity; }

Entity* IGamestate::FindEntity(const std::string& name) const
{
    for (const auto& entry : entities)
        if (entry.second && entry.second->name == name)
            return entry.second;
    return nullptr;
}

Entity* IGamestate::FindEntity(std::uint32_t id) const
{
    const auto found = entities.find(id);
    return found != entities.end() ? found->second : nullptr;
}

void IGamestate::SetCamera(std::uint32_t id)
{
    camera = EntityWith(entities, id, "Camera", "Tried setting Entity without Camera component as Camera: ");
}

void IGamestate::SetLevelSettings(std::uint32_t id)
{
    levelSettings = EntityWith(entities, id, "LevelSettings",
                               "Tried setting Entity without LevelSettings component as the LevelSettings: ");
}

void IGamestate::RemoveEntity(std::uint32_t id) { removalQueue.push_back(id); }

void IGamestate::UpdateComponents(float dt)
{
    // A snapshot: components may create entities while they update.
    updateSnapshot.clear();
    for (const auto& entry : entities)
        updateSnapshot.push_back(entry.second);
    for (Entity* entity : updateSnapshot)
        // Slots are re-read every step: a component may remove itself.
        for (std::size_t id = 0; id < entity->components.size(); ++id)
            if (IComponent* component = entity->components[id])
                component->Update(dt);
}

void IGamestate::Housekeeping()
{
    if (!requestedLevel.empty())
    {
        OnLevelLoad();
        Orvex::LoadLevel(requestedLevel, *this);
        currentLevel = requestedLevel;
        requestedLevel.clear();
    }
    while (!removalQueue.empty())
    {
        const std::uint32_t id = removalQueue.front();
        auto found = entities.find(id);
        if (found != entities.end())
        {
            if (found->second == camera)
                throw std::string("Tried removing the Active Gamestate's Camera");
            if (found->second == levelSettings)
                throw std::string("Tried removing the Active Gamestate's LevelSettings");
            Delete(found->second);
            entities.erase(found);
        }
        removalQueue.pop_front();
    }
}

void IGamestate::PauseSounds(bool paused) { SoundManager::PauseGameStateGroups(soundGroups, paused); }

void IGamestate::ApplyCursor() const { Window::SetCursorVisible(showCursor); }

IGamestate* ActiveState()
{
    Engine* engine = Engine::Get();
    return engine ? engine->ActiveGamestate() : nullptr;
}

Entity* FindInActiveState(const std::string& name)
{
    const IGamestate* state = ActiveState();
    return state ? state->FindEntity(name) : nullptr;
}
} // namespace Orvex
