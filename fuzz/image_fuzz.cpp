// Arbitrary bytes as an image file: decoded as the texture loader decodes it and
// laid out for the upload, every byte of which is then read, and its cover measured. Errors thrown as
// strings are fine answers; crashes and reads past the pixels are not.
#include <cstddef>
#include <cstdint>
#include <string>

#include <SDL_image.h>

#include "graphics/ImageCover.h"
#include "graphics/Textures.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Orvex::SurfacePtr image(Orvex::DecodeImage(SDL_RWFromConstMem(data, static_cast<int>(size))));
    if (!image)
        return 0;
    try
    {
        const Orvex::UploadPixels pixels = Orvex::PrepareUpload(image.get());
        const std::size_t channels = pixels.format == 0x1907 /* GL_RGB */ ? 3 : 4;
        const std::size_t count = channels * pixels.width * pixels.height;
        unsigned sum = 0;
        for (std::size_t i = 0; i < count; ++i)
            sum += pixels.bytes[i];
        (void)sum;
        const Orvex::ImageCover cover = Orvex::MeasureCover(pixels.bytes, pixels.width, pixels.height,
                                                            static_cast<int>(channels));
        if (cover.low.x > cover.high.x || cover.low.y > cover.high.y || cover.high.x > 1.0f ||
            cover.high.y > 1.0f)
            __builtin_trap();
    }
    catch (const std::string&)
    {
    }
    return 0;
}
