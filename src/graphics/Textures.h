#pragma once
// Textures by name: images from the "Textures" folder uploaded to OpenGL once and
// kept until graphics shut down. Needs a current OpenGL context.
//
// Upload rule: GL takes bytes in R, G, B(, A) order, so an image whose pixels are
// already 3-byte RGB or 4-byte RGBA goes up as it is; every other layout of 1, 3
// or 4 bytes a pixel (palettes, grey, BGR, ARGB, RGBX) is converted to RGBA first.
// Uploading such bytes raw would show palette indices as grey or swap red and
// blue. Other pixel sizes (16-bit images) are refused. Rows are uploaded tightly
// packed, whatever padding the image's rows carry.

#include <cstddef>
#include <string>
#include <vector>

#include "graphics/SurfacePtr.h"
#include "graphics/cTexture.h"

namespace Orvex
{
// The cached texture of that name, loaded on first request from
// AssetPath("Textures", name) or, when that file cannot be opened, from the
// textures folder + name + ".jpg". Throws
//   "GraphicsManager: given texture does not exist: " + name       (neither file)
//   "GraphicsManager: Given image could not be loaded: " + name    (not a PNG or JPEG image)
// and CreateTextureFromSurface's errors; nothing is cached then.
cTexture* GetTexture(const std::string& name);
// GetTexture("Default"): plain white, so that a colour tint shows as it is.
cTexture* GetDefaultTexture();
// The name a texture was loaded under; empty for one not in the cache (texts).
std::string TextureName(const cTexture* texture);
// Textures the cache holds (each a pool block kept until ShutdownTextures).
std::size_t CachedTextureCount();

// The PNG or JPEG image the file holds (closed after), or null for anything else:
// the loader's other decoders are not ours to offer, and some leak on bad data.
SDL_Surface* DecodeImage(SDL_RWops* file);

// An image's pixels the way OpenGL takes them: tightly packed rows of RGB or RGBA
// bytes, row 0 at the top. bytes points into the image, converted or packed.
struct UploadPixels
{
    unsigned format = 0; // GL_RGB or GL_RGBA
    int width = 0;
    int height = 0;
    const unsigned char* bytes = nullptr;
    SurfacePtr converted;               // the image in RGBA when it came in another layout
    std::vector<unsigned char> packed;  // the rows without their padding, when they had some
};
// The half of the upload that needs no OpenGL. Valid while image lives. Throws
// CreateTextureFromSurface's errors.
UploadPixels PrepareUpload(SDL_Surface* image);

// A new OpenGL texture (linear filtering, clamped to the edge, no mipmaps) holding
// the image, row 0 at the top. The caller keeps and frees the image. Throws
// "Unsupported Pixel format: " + the pixel format's name for pixel sizes other
// than 1, 3 and 4 bytes.
unsigned CreateTextureFromSurface(SDL_Surface* image);
// A record for a new texture made from the image; the caller owns it.
cTexture* NewTextureFromSurface(SDL_Surface* image);
// Deletes the OpenGL texture and returns the record to the memory manager. For
// textures the caller owns (rendered texts); null is ignored.
void ReleaseTexture(cTexture* texture);

// Releases every cached texture and empties the cache.
void ShutdownTextures();
} // namespace Orvex
