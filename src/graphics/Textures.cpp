#include "graphics/Textures.h"

#include <cstring>
#include <fstream>
#include <unordered_map>
#include <vector>

#include <GL/glew.h>
#include <SDL_image.h>

#include "engine/AssetPaths.h"
#include "graphics/CacheName.h"
#include "graphics/ImageCover.h"
#include "graphics/SurfacePtr.h"
#include "memory/MemoryManager.h"

namespace Orvex
{
namespace
{
std::unordered_map<std::string, cTexture*> cache;

bool CanOpen(const std::string& path)
{
    return std::ifstream(path).is_open();
}

std::string TextureFile(const std::string& name)
{
    const std::string configured = AssetPath("Textures", name);
    if (CanOpen(configured))
        return configured;
    const std::string jpeg = AssetFolder("Textures") + name + ".jpg";
    if (CanOpen(jpeg))
        return jpeg;
    throw "GraphicsManager: given texture does not exist: " + name;
}

// GL_RGB or GL_RGBA when the bytes are already in GL's order, 0 otherwise.
unsigned DirectFormat(const SDL_Surface& image)
{
    switch (image.format->format)
    {
    case SDL_PIXELFORMAT_RGB24:
        return GL_RGB;
    case SDL_PIXELFORMAT_RGBA32:
        return GL_RGBA;
    default:
        return 0;
    }
}

bool Convertible(const SDL_Surface& image)
{
    const int bytes = image.format->BytesPerPixel;
    return image.format->palette || bytes == 1 || bytes == 3 || bytes == 4;
}

// The image in a layout GL reads directly: itself, or a converted copy kept in
// converted.
const SDL_Surface* Uploadable(SDL_Surface* image, SurfacePtr& converted)
{
    if (DirectFormat(*image))
        return image;
    if (!Convertible(*image))
        throw "Unsupported Pixel format: " +
            std::string(SDL_GetPixelFormatName(image->format->format));
    converted.reset(SDL_ConvertSurfaceFormat(image, SDL_PIXELFORMAT_RGBA32, 0));
    if (!converted)
        throw "GraphicsManager: image could not be converted to RGBA: " +
            std::string(SDL_GetError());
    return converted.get();
}

// The image's rows without the padding SDL may put at their ends.
std::vector<unsigned char> PackedRows(const SDL_Surface& image)
{
    const std::size_t rowBytes = static_cast<std::size_t>(image.w) * image.format->BytesPerPixel;
    std::vector<unsigned char> packed(rowBytes * image.h);
    const auto* source = static_cast<const unsigned char*>(image.pixels);
    for (int row = 0; row < image.h; ++row)
        std::memcpy(packed.data() + row * rowBytes,
                    source + static_cast<std::size_t>(row) * image.pitch, rowBytes);
    return packed;
}

// Tightly packed rows for the upload; the caller's unpack state comes back after.
class TightUnpack
{
public:
    TightUnpack()
    {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    }
    ~TightUnpack()
    {
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
    }
    TightUnpack(const TightUnpack&) = delete;
    TightUnpack& operator=(const TightUnpack&) = delete;

private:
    GLint alignment = 4;
    GLint rowLength = 0;
};

void Upload(const UploadPixels& pixels)
{
    const TightUnpack tight;
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(pixels.format), pixels.width, pixels.height,
                 0, pixels.format, GL_UNSIGNED_BYTE, pixels.bytes);
}

// Linear filtering without mipmaps is what ImageCover's bounds assume.
GLuint CreateTexture(const UploadPixels& pixels)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    Upload(pixels);
    return texture;
}
} // namespace

SDL_Surface* DecodeImage(SDL_RWops* file)
{
    if (!file)
        return nullptr;
    SDL_Surface* image = nullptr;
    if (IMG_isPNG(file))
        image = IMG_LoadPNG_RW(file);
    else if (IMG_isJPG(file))
        image = IMG_LoadJPG_RW(file);
    SDL_RWclose(file);
    return image;
}

UploadPixels PrepareUpload(SDL_Surface* image)
{
    UploadPixels pixels;
    const SDL_Surface* upload = Uploadable(image, pixels.converted);
    pixels.format = DirectFormat(*upload);
    pixels.width = upload->w;
    pixels.height = upload->h;
    const bool padded = upload->pitch != upload->w * upload->format->BytesPerPixel;
    if (padded)
        pixels.packed = PackedRows(*upload);
    pixels.bytes = padded ? pixels.packed.data() : static_cast<const unsigned char*>(upload->pixels);
    return pixels;
}

unsigned CreateTextureFromSurface(SDL_Surface* image) { return CreateTexture(PrepareUpload(image)); }

cTexture* NewTextureFromSurface(SDL_Surface* image)
{
    const UploadPixels pixels = PrepareUpload(image);
    const unsigned name = CreateTexture(pixels);
    cTexture* texture = New<cTexture>();
    *texture = cTexture{name, image->w, image->h,
                        MeasureCover(pixels.bytes, pixels.width, pixels.height, pixels.format == GL_RGB ? 3 : 4)};
    return texture;
}

cTexture* GetTexture(const std::string& name)
{
    const auto found = cache.find(name);
    if (found != cache.end())
        return found->second;
    const SurfacePtr image(DecodeImage(SDL_RWFromFile(TextureFile(name).c_str(), "rb")));
    if (!image)
        throw "GraphicsManager: Given image could not be loaded: " + name;
    cTexture* texture = NewTextureFromSurface(image.get());
    cache.emplace(name, texture);
    return texture;
}

cTexture* GetDefaultTexture()
{
    return GetTexture("Default");
}

std::string TextureName(const cTexture* texture)
{
    return CacheName(cache, texture);
}

std::size_t CachedTextureCount() { return cache.size(); }

void ReleaseTexture(cTexture* texture)
{
    if (!texture)
        return;
    glDeleteTextures(1, &texture->name);
    Delete(texture);
}

void ShutdownTextures()
{
    for (const auto& entry : cache)
        ReleaseTexture(entry.second);
    cache.clear();
}
} // namespace Orvex
