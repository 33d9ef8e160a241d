#pragma once
// An SDL image that frees itself, so that a throw between loading and freeing
// leaks nothing.

#include <memory>

#include <SDL.h>

namespace Orvex
{
struct SurfaceFree
{
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;
} // namespace Orvex
