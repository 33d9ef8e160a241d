#include "graphics/ParticleList.h"

#include "memory/MemoryManager.h"

namespace Orvex
{
Particle& ParticleList::Append()
{
    Node* node = New<Node>();
    if (tail)
        tail->next = node;
    else
        head = node;
    tail = node;
    ++count;
    return node->particle;
}

void ParticleList::Clear()
{
    while (head)
    {
        Node* next = head->next;
        Free(head);
        head = next;
    }
    tail = nullptr;
}

void ParticleList::Free(Node* node)
{
    Delete(node);
    --count;
}
} // namespace Orvex
