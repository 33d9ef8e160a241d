#pragma once
// The live particles of one emitter: a singly linked list of pool blocks in
// spawn order, with no cap of its own.
//
// A particle stays where it was allocated until it is removed, but the emitter
// frees it when its life ends, whoever still points at it: code that tracks
// particles (a pickup burst counting arrivals) walks the live list each frame
// instead of keeping pointers.
// Removal happens while walking: the walk unlinks in place, so a frame costs
// one pass and no allocation beyond the nodes of new particles.
// Rejected: std::vector (a removal in the middle moves every later particle)
// and std::list (nodes from the global heap rather than the pools).

#include <cstddef>
#include <iterator>

#include "engine/Math.h"

namespace Orvex
{
struct Particle
{
    float life = 0.0f;         // seconds of life left; fading at or below 0
    float fade = 0.0f;         // seconds its fade takes
    tvec4 colour{1.0f};        // r, g, b, a
    tvec4 colourChange{0.0f};  // per second, while alive
    tvec2 position{0.0f};      // world units (device units on the HUD)
    tvec2 velocity{0.0f};      // units per second
    tvec2 acceleration{0.0f};  // units per second squared
    tvec2 scale{1.0f};         // quad size, units
    tvec2 growth{0.0f};        // scale change per second
    float rotation = 0.0f;     // radians
    float rotationRate = 0.0f; // radians per second
};

class ParticleList
{
    struct Node
    {
        Particle particle;
        Node* next = nullptr;
    };

public:
    class Iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Particle;
        using difference_type = std::ptrdiff_t;
        using pointer = Particle*;
        using reference = Particle&;

        explicit Iterator(Node* node) : node(node) {}
        Particle& operator*() const { return node->particle; }
        Particle* operator->() const { return &node->particle; }
        Iterator& operator++()
        {
            node = node->next;
            return *this;
        }
        bool operator==(const Iterator& other) const { return node == other.node; }
        bool operator!=(const Iterator& other) const { return node != other.node; }

    private:
        Node* node;
    };

    ParticleList() = default;
    ~ParticleList() { Clear(); }
    ParticleList(const ParticleList&) = delete;
    ParticleList& operator=(const ParticleList&) = delete;

    // A default particle appended at the end; throws when the pools are out of memory.
    Particle& Append();
    // Calls keep(particle) for every particle in order and frees, at once, those
    // for which it returns false.
    template <class Keep> void Walk(Keep keep)
    {
        Node** link = &head;
        Node* previous = nullptr;
        while (Node* node = *link)
        {
            if (keep(node->particle))
            {
                previous = node;
                link = &node->next;
                continue;
            }
            *link = node->next;
            if (tail == node)
                tail = previous;
            Free(node);
        }
    }
    // Frees every particle.
    void Clear();

    std::size_t Size() const { return count; }
    bool Empty() const { return count == 0; }
    Iterator begin() const { return Iterator(head); }
    Iterator end() const { return Iterator(nullptr); }

private:
    void Free(Node* node);

    Node* head = nullptr;
    Node* tail = nullptr;
    std::size_t count = 0;
};
} // namespace Orvex
