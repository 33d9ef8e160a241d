#include "audio/SoundFile.h"

#include <filesystem>

#include <sndfile.h>

namespace Orvex
{
SoundFile::~SoundFile() { Close(); }

AudioResult SoundFile::Open(const std::string& path)
{
    Close();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return AUDIO_FILE_NOT_FOUND;
    SF_INFO info{};
    file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return AUDIO_BAD_FILE;
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 1)
    {
        Close();
        return AUDIO_BAD_FILE;
    }
    rate = info.samplerate;
    fileChannels = info.channels;
    frameCount = static_cast<std::size_t>(info.frames);
    return AUDIO_OK;
}

void SoundFile::Close()
{
    if (file)
        sf_close(file);
    file = nullptr;
}

std::size_t SoundFile::Read(float* out, std::size_t frames)
{
    if (!file)
        return 0;
    if (fileChannels == 2)
        return static_cast<std::size_t>(sf_readf_float(file, out, static_cast<sf_count_t>(frames)));
    scratch.resize(frames * static_cast<std::size_t>(fileChannels));
    const auto got =
        static_cast<std::size_t>(sf_readf_float(file, scratch.data(), static_cast<sf_count_t>(frames)));
    const std::size_t second = fileChannels > 1 ? 1 : 0;
    for (std::size_t i = 0; i < got; ++i)
    {
        const float* frame = scratch.data() + i * static_cast<std::size_t>(fileChannels);
        out[2 * i] = frame[0];
        out[2 * i + 1] = frame[second];
    }
    return got;
}

void SoundFile::Rewind()
{
    if (file)
        sf_seek(file, 0, SEEK_SET);
}
} // namespace Orvex
