#pragma once

namespace Orvex
{
// A timed change of one component value, owned by its entity's action list.
class IAction
{
public:
    virtual ~IAction() = default;
};
} // namespace Orvex
