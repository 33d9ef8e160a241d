#pragma once
// Two strings kept and saved with an entity; nothing in the program reads them.

#include <string>

#include "object/IComponent.h"

namespace Orvex
{
class ActionBody : public IComponent
{
    ORVEX_COMPONENT(ActionBody)

    std::string ownerName; // "Owner"; IComponent::owner is the entity
    std::string data;
};
} // namespace Orvex
