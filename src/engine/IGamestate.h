#pragma once
// One screen or mode of the program: its entities, its ordered systems, its camera
// and level-settings entities, its level and its two sound groups.
//
// Only the top state of the engine's stack runs. Level changes and entity
// removals are requests handled by Housekeeping at the start of the next frame.

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "audio/SoundManager.h"

namespace Orvex
{
class Entity;
class ISystem;
class MessageSystem;

class IGamestate
{
public:
    IGamestate(bool showCursor, bool checkDependencies);
    virtual ~IGamestate();
    IGamestate(const IGamestate&) = delete;
    IGamestate& operator=(const IGamestate&) = delete;

    virtual void Init() = 0;
    virtual void Update(float dt) = 0;
    virtual void Shutdown() = 0;
    // The state is the top again after the states above it were popped.
    virtual void Resume() {}
    // Right before a requested level is loaded.
    virtual void OnLevelLoad() {}
    // At once when MSG_END_LEVEL is sent while this state is on top.
    virtual void OnLevelEnd() {}
    // Right before the systems of an update, after the window's events were
    // polled: where a state plays recorded keys, so they reach everything exactly
    // as live keys would.
    virtual void FeedInput() {}

    // A MessageSystem also becomes this state's message system. Runs the system's Init.
    void AddSystem(ISystem* system);
    // A new system of that registered name, added as above. Throws
    // "System not registered: " + name.
    void AddSystem(const std::string& name);
    // entities[id] = entity; an existing entry with the same id is overwritten.
    void AddEntity(Entity* entity);
    // First entity, in table order, with exactly this name; null when none.
    Entity* FindEntity(const std::string& name) const;
    // The entity with that id while it is in the table; null once it is gone.
    Entity* FindEntity(std::uint32_t id) const;
    // The entity must have a Camera / LevelSettings component.
    void SetCamera(std::uint32_t id);
    void SetLevelSettings(std::uint32_t id);
    // Queues the entity for destruction at the next housekeeping.
    void RemoveEntity(std::uint32_t id);
    // Every component of every entity, in table order then component type order.
    void UpdateComponents(float dt);

    // A pending level load, then the queued removals. Run by the engine for the top state.
    void Housekeeping();
    // Requests a level change at the next housekeeping ("" cancels).
    void RequestLevel(const std::string& name) { requestedLevel = name; }

    // Pauses or resumes this state's sound groups.
    void PauseSounds(bool paused);
    const GamestateSoundGroups& SoundGroups() const { return soundGroups; }
    void ApplyCursor() const;

    bool ShowCursor() const { return showCursor; }
    bool ChecksDependencies() const { return checkDependencies; }
    Entity* LevelSettingsEntity() const { return levelSettings; }
    Entity* CameraEntity() const { return camera; }
    MessageSystem* Messages() const { return messageSystem; }
    const std::vector<ISystem*>& Systems() const { return systems; }
    const std::unordered_map<std::uint32_t, Entity*>& Entities() const { return entities; }
    const std::string& CurrentLevel() const { return currentLevel; }
    const std::string& RequestedLevel() const { return requestedLevel; }
    void SetCurrentLevel(const std::string& name) { currentLevel = name; }
    // The registered name the state was created by ("IntroGS", "QuitGS", ...).
    const std::string& TypeName() const { return typeName; }
    void SetTypeName(const std::string& name) { typeName = name; }
    // Drops the camera / level-settings choice (the level loader does, when the
    // chosen entity is about to be removed).
    void ClearCamera() { camera = nullptr; }
    void ClearLevelSettings() { levelSettings = nullptr; }

protected:
    bool showCursor;
    bool checkDependencies;
    Entity* levelSettings = nullptr;
    Entity* camera = nullptr;
    MessageSystem* messageSystem = nullptr;
    std::vector<ISystem*> systems;             // update order
    std::unordered_map<std::uint32_t, Entity*> entities;
    std::deque<std::uint32_t> removalQueue;    // first in, first out
    std::string currentLevel;
    std::string requestedLevel;                // non-empty: a level change is pending
    std::string typeName;
    std::vector<Entity*> updateSnapshot;       // reused by UpdateComponents
    GamestateSoundGroups soundGroups;          // every sound this state plays
};

// The top state of the running engine; null without an engine or a state.
IGamestate* ActiveState();
// The active state's first entity of that name; null when there is none.
Entity* FindInActiveState(const std::string& name);
} // namespace Orvex
