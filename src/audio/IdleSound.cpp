#include "audio/IdleSound.h"

#include "engine/Random.h"

namespace Orvex
{
ORVEX_REGISTER_COMPONENT(IdleSound)

ORVEX_MEMBERS(IdleSound)
{
    ORVEX_FIELD(idleEffectOne, "IdleEffectOne");
    ORVEX_FIELD(idleEffectTwo, "IdleEffectTwo");
    ORVEX_FIELD(idleEffectThree, "IdleEffectThree");
    ORVEX_FIELD(idleEffectFour, "IdleEffectFour");
    ORVEX_FIELD(numberOfEffects, "NumberOfEffects");
    ORVEX_FIELD(volume, "Volume");
    ORVEX_FIELD(timeBetweenPlays, "TimeBetweenPlays");
}

void IdleSound::Update(float dt)
{
    timer += dt;
    if (timer < timeBetweenPlays)
        return;
    timer = 0.0f;
    const int k = Draw();
    if (k >= 1 && k <= 4)
        Effect(k).Play(false, volume, 0.5f);
    lastEffect = k;
}

cSound& IdleSound::Effect(int k)
{
    cSound* effects[] = {&idleEffectOne, &idleEffectTwo, &idleEffectThree, &idleEffectFour};
    return *effects[k - 1];
}

int IdleSound::Draw() const
{
    const auto once = [this] {
        return static_cast<int>(static_cast<float>(Random::Next15()) / 32767.0f * numberOfEffects + 1);
    };
    int k = once();
    while (numberOfEffects > 1 && k == lastEffect)
        k = once();
    return k;
}
} // namespace Orvex
