#include "actions/Action.h"

#include "memory/MemoryManager.h"
#include "object/Entity.h"

namespace Orvex
{
template class Action<float>;
template class Action<tvec2>;
template class Action<tvec4>;

namespace
{
template <class T>
void Append(Entity& owner, T* target, const T& endValue, float duration, unsigned ease)
{
    // Room first: once the action exists, appending it cannot fail.
    owner.actions.reserve(owner.actions.size() + 1);
    owner.actions.push_back(New<Action<T>>(target, endValue, duration, ease));
}
} // namespace

void AddAction(Entity& owner, float* target, float endValue, float duration, unsigned ease)
{
    Append(owner, target, endValue, duration, ease);
}

void AddAction(Entity& owner, tvec2* target, const tvec2& endValue, float duration, unsigned ease)
{
    Append(owner, target, endValue, duration, ease);
}

void AddAction(Entity& owner, tvec4* target, const tvec4& endValue, float duration, unsigned ease)
{
    Append(owner, target, endValue, duration, ease);
}
} // namespace Orvex
