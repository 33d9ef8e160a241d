#pragma once
// The engine's vector and matrix types: single-precision GLM. World space is a
// y-up plane in world units; angles are radians, counter-clockwise positive.

#include <glm/glm.hpp>

namespace Orvex
{
using tvec2 = glm::vec2;
using tvec4 = glm::vec4; // also colours: (red, green, blue, alpha), each 0 to 1
using tmat3 = glm::mat3; // 2D homogeneous transform, column-major

constexpr float Pi = 3.1415927f;
} // namespace Orvex
