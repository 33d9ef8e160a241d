#pragma once
// Fields that refer to graphics resources are written and read as the resource's
// name. Reading looks the name up in its cache (loading it on first use); a
// texture or mesh field left null by the data gets the engine's default
// ("Default", "Square"), so a sprite always has something to show and collide
// with. A font field has no default.

#include <SDL_ttf.h>

#include "graphics/Mesh.h"
#include "graphics/cTexture.h"
#include "object/PodTraits.h"

namespace Orvex
{
// Null or a texture not in the cache (a rendered text) writes an empty name.
template <> struct PodTraits<cTexture*> : PodTraitsByAssignment<cTexture*>
{
    static void Serialize(const std::string& key, const cTexture* value);
    static void Deserialize(const std::string& key, cTexture*& value, const Deserializer& object);
};

template <> struct PodTraits<cMesh*> : PodTraitsByAssignment<cMesh*>
{
    static void Serialize(const std::string& key, const cMesh* value);
    static void Deserialize(const std::string& key, cMesh*& value, const Deserializer& object);
};

template <> struct PodTraits<TTF_Font*> : PodTraitsByAssignment<TTF_Font*>
{
    static void Serialize(const std::string& key, const TTF_Font* value);
    static void Deserialize(const std::string& key, TTF_Font*& value, const Deserializer& object);
};
} // namespace Orvex
