#pragma once
// The camera tests' engine and state with emitters in it: a texture record so
// that no OpenGL is needed, no random velocity so particles stay put unless a
// test moves them, and the pool blocks in use to catch leaks.

#include <string>

#include "CameraScene.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/cTexture.h"

namespace Orvex
{
struct ParticleScene : CameraScene
{
    // An emitter on a new entity at position; Init not run.
    ParticleEmitter* AddEmitter(const std::string& name, tvec2 position = {0.0f, 0.0f})
    {
        ParticleEmitter* emitter = Add(name, position)->Add<ParticleEmitter>();
        emitter->texture = &texture;
        emitter->randomVelocity = tvec2(0.0f);
        return emitter;
    }

    cTexture texture{7, 1, 1};
};

// Blocks handed out by all pools together.
inline unsigned BlocksInUse()
{
    unsigned inUse = 0;
    for (unsigned pool = 0; pool < MemoryManager::PoolCount; ++pool)
        inUse += MemoryManager::Get().Pool(pool).Stats().inUse;
    return inUse;
}
} // namespace Orvex
