#include "graphics/ParticleEmitter.h"

#include <algorithm>
#include <optional>

#include "engine/Engine.h"
#include "engine/IGamestate.h"
#include "engine/Random.h"
#include "engine/Window.h"
#include "graphics/ResourceTraits.h"
#include "graphics/SceneView.h"
#include "graphics/Textures.h"
#include "object/Entity.h"
#include "physics/Transform.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(ParticleEmitter)

ORVEX_MEMBERS(ParticleEmitter)
{
    ORVEX_FIELD(onHud, "OnHud");
    ORVEX_FIELD(visible, "Visible");
    ORVEX_FIELD(parallax, "parallax");
    ORVEX_FIELD(layer, "layer");
    ORVEX_FIELD(texture, "texture");
    ORVEX_FIELD(aspectScaling, "aspectScaling");
    ORVEX_FIELD(updateInEditor, "updateInEditor");
    ORVEX_FIELD(active, "active");
    ORVEX_FIELD(emitRate, "emitRate");
    ORVEX_FIELD(emitCount, "emitCount");
    ORVEX_FIELD(randomEmitCount, "randomEmitCount");
    ORVEX_FIELD(particleDuration, "particleDuration");
    ORVEX_FIELD(randomDuration, "randomDuration");
    ORVEX_FIELD(fadeDuration, "fadeDuration");
    ORVEX_FIELD(randomFadeDuration, "randomFadeDuration");
    ORVEX_FIELD(hasParticleGravity, "hasParticleGravity");
    ORVEX_FIELD(pointOfGravitation, "pointOfGravitation");
    ORVEX_FIELD(gravityStrength, "gravityStrength");
    ORVEX_FIELD(gravityRange, "gravityRange");
    ORVEX_FIELD(gravMinCoeff, "gravMinCoeff");
    ORVEX_FIELD(color, "color");
    ORVEX_FIELD(randomColor, "randomColor");
    ORVEX_FIELD(colorChange, "colorChange");
    ORVEX_FIELD(randomColorChange, "randomColorChange");
    ORVEX_FIELD(spawnOffset, "spawnOffset");
    ORVEX_FIELD(randomSpawnOffset, "randomSpawnOffset");
    ORVEX_FIELD(velocity, "velocity");
    ORVEX_FIELD(randomVelocity, "randomVelocity");
    ORVEX_FIELD(acceleration, "acceleration");
    ORVEX_FIELD(randomAcceleration, "randomAcceleration");
    ORVEX_FIELD(scale, "scale");
    ORVEX_FIELD(evenRandomScaling, "evenRandomScaling");
    ORVEX_FIELD(randomScale, "randomScale");
    ORVEX_FIELD(growthRate, "growthRate");
    ORVEX_FIELD(randomGrowthRate, "randomGrowthRate");
    ORVEX_FIELD(rotation, "rotation");
    ORVEX_FIELD(randomRotation, "randomRotation");
    ORVEX_FIELD(rotationRate, "rotationRate");
    ORVEX_FIELD(randomRotationRate, "randomRotationRate");
}

namespace
{
// The draws are separate statements so that they happen in axis order.
tvec2 Spread(tvec2 value, tvec2 spread)
{
    value.x += Random::Spread(spread.x);
    value.y += Random::Spread(spread.y);
    return value;
}

tvec4 Spread(tvec4 value, tvec4 spread)
{
    for (int i = 0; i < 4; ++i)
        value[i] += Random::Spread(spread[i]);
    return value;
}

// Uniform in [-1, 1].
float SignedUnit() { return Random::Unit() * 2.0f - 1.0f; }

// The culling view of the active state's camera, when it has one.
std::optional<SceneView> ActiveView()
{
    Engine* engine = Engine::Get();
    IGamestate* state = engine ? engine->ActiveGamestate() : nullptr;
    if (!state)
        return std::nullopt;
    return SceneView(*state);
}
} // namespace

void ParticleEmitter::Init()
{
    RequireComponent<Transform>();
    if (!texture || TextureName(texture) == "Default")
        texture = GetTexture("Square");
}

void ParticleEmitter::Update(float dt)
{
    streams.Clear();
    const std::optional<SceneView> view = ActiveView();
    const CullView* cull = view ? view->Cull() : nullptr;
    const float aspect = Window::Aspect();
    particles.Walk([&](Particle& particle) {
        if (!Advance(particle, dt))
            return false;
        BuildQuad(QuadValues{particle.colour, particle.position, particle.rotation, particle.scale,
                             offset},
                  cull, aspect);
        return true;
    });
    RunBursts(dt);
}

bool ParticleEmitter::Advance(Particle& particle, float dt) const
{
    particle.scale += particle.growth * dt;
    particle.life -= dt;
    const bool fading = particle.life <= 0.0f;
    // A spread fade of zero or less would never take the alpha down: such a
    // particle would live forever, so it vanishes like an unfaded one.
    if (fading && (fadeDuration == 0.0f || !(particle.fade > 0.0f)))
        return false;
    if (particle.colour.a <= 0.0f || particle.scale.x <= 0.0f || particle.scale.y <= 0.0f)
        return false;
    if (fading)
        particle.colour.a -= dt / particle.fade;
    else
        particle.colour += particle.colourChange * dt;
    const tvec2 pull = hasParticleGravity ? Pull(particle) : tvec2(0.0f);
    particle.velocity += (pull + particle.acceleration) * dt;
    particle.position += particle.velocity * dt;
    particle.rotation += particle.rotationRate * dt;
    return true;
}

tvec2 ParticleEmitter::Pull(const Particle& particle) const
{
    // A spring toward the point, weakened linearly to gravMinCoeff at the range.
    const tvec2 toPoint = pointOfGravitation - particle.position;
    tvec2 pull = toPoint * 0.5f;
    if (gravityRange != 0.0f)
    {
        const float distance = glm::length(toPoint);
        if (distance >= gravityRange)
            return tvec2(0.0f);
        const float t = distance / gravityRange;
        pull *= gravMinCoeff * t + (1.0f - t);
    }
    return pull * gravityStrength;
}

void ParticleEmitter::RunBursts(float dt)
{
    if (!active)
        return;
    burstTimer += dt;
    if (burstTimer > emitRate)
    {
        EmitBurst();
        burstTimer = 0.0f;
    }
}

void ParticleEmitter::EmitBurst() { Emit(DrawBurstSize()); }

long long ParticleEmitter::DrawBurstSize() const
{
    const float spread =
        Random::Unit() * static_cast<float>(2LL * randomEmitCount + 1) - static_cast<float>(randomEmitCount);
    return static_cast<long long>(emitCount) + static_cast<long long>(spread);
}

void ParticleEmitter::Emit(long long count)
{
    count = std::min(count, kMaxBurst);
    for (long long i = 0; i < count; ++i)
        EmitOne();
}

void ParticleEmitter::EmitOne()
{
    const Transform* transform = owner->Get<Transform>();
    const tvec2 origin = transform ? transform->position : tvec2(0.0f);
    Particle& particle = particles.Append();
    particle.life = particleDuration + Random::Spread(randomDuration);
    particle.fade = fadeDuration + Random::Spread(randomFadeDuration);
    particle.colour = Spread(color, randomColor);
    particle.colourChange = Spread(colorChange.PerSecond(), randomColorChange);
    particle.position = Spread(origin + spawnOffset, randomSpawnOffset);
    particle.velocity = Spread(velocity, randomVelocity);
    particle.acceleration = Spread(acceleration, randomAcceleration);
    SpawnSize(particle);
    particle.rotation = rotation + Random::Spread(randomRotation);
    particle.rotationRate = rotationRate + Random::Spread(randomRotationRate);
}

void ParticleEmitter::SpawnSize(Particle& particle) const
{
    if (!evenRandomScaling)
    {
        particle.scale = Spread(scale, randomScale);
        particle.growth = Spread(growthRate, randomGrowthRate);
        return;
    }
    const float scaleFactor = SignedUnit();
    particle.scale = scale + randomScale * scaleFactor;
    const float growthFactor = SignedUnit();
    particle.growth = growthRate + randomGrowthRate * growthFactor;
}
} // namespace Orvex
