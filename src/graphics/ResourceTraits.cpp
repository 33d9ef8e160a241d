#include "graphics/ResourceTraits.h"

#include "data/Deserializer.h"
#include "data/Serialization.h"
#include "graphics/Fonts.h"
#include "graphics/Textures.h"

namespace Orvex
{
namespace
{
// The field gets the resource named by the key, or fallback when the key has no
// value and the field is still null.
template <class Resource>
void ReadByName(const std::string& key, Resource*& value, const Deserializer& object,
                Resource* (*lookUp)(const std::string&), const char* fallback)
{
    if (object.HasKey(key))
        value = lookUp(object.GetString(key));
    else if (!value && fallback)
        value = lookUp(fallback);
}
} // namespace

void PodTraits<cTexture*>::Serialize(const std::string& key, const cTexture* value)
{
    Serial::WriteLine(key, TextureName(value));
}

void PodTraits<cTexture*>::Deserialize(const std::string& key, cTexture*& value,
                                       const Deserializer& object)
{
    ReadByName(key, value, object, GetTexture, "Default");
}

void PodTraits<cMesh*>::Serialize(const std::string& key, const cMesh* value)
{
    Serial::WriteLine(key, MeshName(value));
}

void PodTraits<cMesh*>::Deserialize(const std::string& key, cMesh*& value,
                                    const Deserializer& object)
{
    ReadByName(key, value, object, GetMesh, "Square");
}

void PodTraits<TTF_Font*>::Serialize(const std::string& key, const TTF_Font* value)
{
    Serial::WriteLine(key, FontName(value));
}

void PodTraits<TTF_Font*>::Deserialize(const std::string& key, TTF_Font*& value,
                                       const Deserializer& object)
{
    ReadByName(key, value, object, GetFont, nullptr);
}
} // namespace Orvex
