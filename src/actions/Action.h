#pragma once
// One tween: drives *target from its value at creation to an end value over a
// duration, along an easing curve, then writes the end value exactly once.
//
// The start and the change are taken once, when the action is made; the target is
// never read again, so whoever else writes it during the tween is overwritten on
// the next update. Actions live in their owner's action list (pool blocks) and
// are made only through AddAction.

#include "actions/Ease.h"
#include "actions/IAction.h"
#include "engine/Math.h"

namespace Orvex
{
class Entity;

template <class T> class Action : public IAction
{
public:
    // target must outlive the action: it points into a component of the owner.
    Action(T* target, const T& endValue, float duration, unsigned ease)
        : duration(duration), target(target), start(*target), change(endValue - start), ease(ease)
    {
    }

    bool Update(float dt) override
    {
        elapsed += dt;
        // Written as "not longer than elapsed" so that a duration of 0 or less
        // (or NaN) ends on the first update.
        if (!(duration > elapsed))
        {
            *target = start + change;
            return false;
        }
        if (const std::optional<float> progress = EaseProgress(ease, elapsed, duration))
            *target = change * *progress + start;
        return true;
    }

    const void* Target() const override { return target; }

    float duration;     // seconds
    float elapsed = 0.0f; // seconds advanced so far
    T* target;          // not owned
    T start;            // *target when the action was made
    T change;           // end value - start
    unsigned ease;      // an Ease
};

extern template class Action<float>;
extern template class Action<tvec2>;
extern template class Action<tvec4>;

// Appends a new action to owner's list that takes *target to endValue over
// duration seconds along ease, starting from *target as it is now. target points
// into one of owner's components. When no memory can be had the error is thrown
// and the list is left as it was.
void AddAction(Entity& owner, float* target, float endValue, float duration, unsigned ease);
void AddAction(Entity& owner, tvec2* target, const tvec2& endValue, float duration, unsigned ease);
void AddAction(Entity& owner, tvec4* target, const tvec4& endValue, float duration, unsigned ease);
} // namespace Orvex
