#pragma once
// How one plain value type is written, read and copied in the text data format.
//
// META_POD<T> calls PodTraits<T>; a module that brings its own value type (a
// texture pointer, a sound) specialises PodTraits for it in its own header, which
// the component headers using that type include. The primary template has no
// body, so a field of a type nobody described fails to compile.
//
// Shared rules every specialisation keeps:
//   Serialize    writes one line through Serial::WriteLine(key, text)
//   Deserialize  writes the value only when object.HasKey(key) (an empty value
//                counts as absent); otherwise the value stays as it is
//   Copy         makes to equal from
// A text that does not read as the type throws ValueError (data/DataError.h)
// with the reason; the loaders add the file, object and key.

#include <string>

#include "engine/Math.h"

namespace Orvex
{
class Deserializer;

template <class T> struct PodTraits;

// Copy by assignment: what every type without resources wants.
template <class T> struct PodTraitsByAssignment
{
    static void Copy(const T& from, T& to) { to = from; }
};

// The whole value text, unchanged.
template <> struct PodTraits<std::string> : PodTraitsByAssignment<std::string>
{
    static void Serialize(const std::string& key, const std::string& value);
    static void Deserialize(const std::string& key, std::string& value, const Deserializer& object);
};

// Written with the default 6-digit %g formatting; read as std::stof reads.
template <> struct PodTraits<float> : PodTraitsByAssignment<float>
{
    static void Serialize(const std::string& key, float value);
    static void Deserialize(const std::string& key, float& value, const Deserializer& object);
};

// Decimal; read as std::stoi reads.
template <> struct PodTraits<int> : PodTraitsByAssignment<int>
{
    static void Serialize(const std::string& key, int value);
    static void Deserialize(const std::string& key, int& value, const Deserializer& object);
};

// Decimal; read as std::stoul reads, but a negative text or one past the 32-bit
// range is refused rather than wrapped or cut to its low bits.
template <> struct PodTraits<unsigned> : PodTraitsByAssignment<unsigned>
{
    static void Serialize(const std::string& key, unsigned value);
    static void Deserialize(const std::string& key, unsigned& value, const Deserializer& object);
};

// "1" or "0"; false when the text starts with '0' or is "false", true otherwise.
template <> struct PodTraits<bool> : PodTraitsByAssignment<bool>
{
    static void Serialize(const std::string& key, bool value);
    static void Deserialize(const std::string& key, bool& value, const Deserializer& object);
};

// "x,y"; read as float, any one separator character, float.
template <> struct PodTraits<tvec2> : PodTraitsByAssignment<tvec2>
{
    static void Serialize(const std::string& key, const tvec2& value);
    static void Deserialize(const std::string& key, tvec2& value, const Deserializer& object);
};

// "x,y,z,w"; read as four floats, each after one separator character.
template <> struct PodTraits<tvec4> : PodTraitsByAssignment<tvec4>
{
    static void Serialize(const std::string& key, const tvec4& value);
    static void Deserialize(const std::string& key, tvec4& value, const Deserializer& object);
};
} // namespace Orvex
