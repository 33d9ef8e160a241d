#include <gtest/gtest.h>

#include <vector>

#include "ParticleScene.h"
#include "graphics/ParticleList.h"

namespace Orvex
{
namespace
{
std::vector<float> Lives(const ParticleList& list)
{
    std::vector<float> lives;
    for (const Particle& particle : list)
        lives.push_back(particle.life);
    return lives;
}

void Fill(ParticleList& list, std::initializer_list<float> lives)
{
    for (float life : lives)
        list.Append().life = life;
}

TEST(ParticleList, WalkRemovesFirstMiddleAndLastInPlace)
{
    ParticleList list;
    Fill(list, {1, 2, 3, 4, 5});
    Particle* kept = &*++list.begin();
    list.Walk([](const Particle& particle) { return particle.life == 2 || particle.life == 4; });
    EXPECT_EQ(Lives(list), (std::vector<float>{2, 4}));
    EXPECT_EQ(list.Size(), 2u);
    EXPECT_EQ(&*list.begin(), kept); // survivors do not move
    list.Append().life = 6; // the tail follows the removal of the last one
    EXPECT_EQ(Lives(list), (std::vector<float>{2, 4, 6}));
}

TEST(ParticleList, EmptiedByAWalkStartsAgain)
{
    ParticleList list;
    Fill(list, {1, 2});
    list.Walk([](const Particle&) { return false; });
    EXPECT_TRUE(list.Empty());
    Fill(list, {3});
    EXPECT_EQ(Lives(list), (std::vector<float>{3}));
}

TEST(ParticleList, ClearAndDestructionReturnTheBlocks)
{
    const unsigned before = BlocksInUse();
    {
        ParticleList list;
        Fill(list, {1, 2, 3});
        EXPECT_EQ(BlocksInUse(), before + 3);
        list.Clear();
        EXPECT_EQ(BlocksInUse(), before);
        Fill(list, {4, 5});
    }
    EXPECT_EQ(BlocksInUse(), before);
}
} // namespace
} // namespace Orvex
