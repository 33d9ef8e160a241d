#pragma once
// Pieces of a level for trying the furniture: a player that other components
// recognise, solid boxes, and touches delivered as the collision system would.

#include "PlayHarness.h"
#include "audio/SoundEmitter.h"
#include "game/components/BounceParticle.h"
#include "game/components/Timer.h"
#include "game/components/TumboController.h"
#include "graphics/Camera.h"
#include "graphics/Color.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "physics/BoxCollider.h"
#include "physics/RigidBody.h"
#include "physics/Transform.h"

#include <string>
#include <vector>

namespace Orvex
{
// An entity others take for the player; its own components are not started.
inline Entity& MakePlayer(PlayHarness& play, tvec2 position = tvec2(0.0f))
{
    Entity& player = play.Spawn("TumboWuffin");
    player.Add<Transform>()->position = position;
    player.Add<RigidBody>()->isStatic = false;
    player.Add<TumboController>();
    return player;
}

// The whole dog, started: it jumps at speed 10 and its sparks do not fire by
// themselves.
inline Entity& MakeDog(PlayHarness& play)
{
    Entity& dog = play.Spawn("TumboWuffin");
    dog.Add<Transform>();
    dog.Add<RigidBody>()->isStatic = false;
    dog.Add<Color>();
    dog.Add<Sprite>();
    dog.Add<SoundEmitter>();
    dog.Add<Timer>();
    dog.Add<TumboController>()->jump = 10.0f;
    dog.Add<ParticleEmitter>()->active = false;
    dog.Add<BounceParticle>();
    PlayHarness::Start(dog);
    return dog;
}

// A static box at position; the caller adds the component tried and starts it.
inline Entity& MakeBox(PlayHarness& play, const std::string& name, tvec2 position = tvec2(0.0f))
{
    Entity& box = play.Spawn(name);
    box.Add<Transform>()->position = position;
    box.Add<RigidBody>();
    box.Add<BoxCollider>();
    return box;
}

// The active state's camera, started, showing size units at the origin.
inline Camera& MakeCamera(PlayHarness& play, float size = 10.0f)
{
    Entity& view = play.Spawn("Camera");
    view.Add<Transform>();
    Camera* camera = view.Add<Camera>();
    camera->size = size;
    PlayHarness::Start(view);
    play.engine.GetActiveGamestate().SetCamera(view.id);
    return *camera;
}

// A contact of self with other, delivered in a frame of no time.
inline void Touch(PlayHarness& play, Entity& self, Entity* other, int vertex = -1)
{
    play.Post(MSG_COLLISION, CollisionMessage{&self, other, tvec2(0.0f), vertex, false});
    play.Frame(0.0f);
}

// A bare playing state for a level built by hand around its player, whom the
// level adds.
struct DogLevel
{
    DogLevel() : state(&play.PushBare()) {}
    void Touch(Entity& self, Entity* other) { Orvex::Touch(play, self, other); }
    // The state's entities of that name, such as a pickup's bursts.
    std::vector<const Entity*> Named(const std::string& name) const
    {
        std::vector<const Entity*> found;
        for (const auto& entry : state->Entities())
            if (entry.second->name == name)
                found.push_back(entry.second);
        return found;
    }

    PlayHarness play;
    IGamestate* state;
    Entity* player = nullptr;
};
} // namespace Orvex
