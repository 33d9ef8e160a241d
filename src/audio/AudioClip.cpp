#include "audio/AudioClip.h"

#include "audio/SoundFile.h"

namespace Orvex
{
namespace
{
constexpr std::size_t kChunkFrames = 16384;
}

std::shared_ptr<const DecodedFrames> DecodedFiles::Find(const std::string& path,
                                                        std::filesystem::file_time_type written)
{
    const auto found = known.find(path);
    if (found == known.end())
        return nullptr;
    std::shared_ptr<const DecodedFrames> decoded = found->second.lock();
    return decoded && decoded->written == written ? decoded : nullptr;
}

void DecodedFiles::Keep(const std::string& path, const std::shared_ptr<const DecodedFrames>& decoded)
{
    known[path] = decoded;
}

AudioResult AudioClip::Load(const std::string& filePath, ClipKind clipKind, DecodedFiles* shared)
{
    std::error_code unknown;
    const auto written = std::filesystem::last_write_time(filePath, unknown);
    std::shared_ptr<const DecodedFrames> known =
        shared && clipKind == ClipKind::Loaded && !unknown ? shared->Find(filePath, written) : nullptr;
    if (known)
    {
        kind = clipKind;
        path = filePath;
        rate = known->rate;
        frameCount = known->frames.size() / 2;
        decoded = std::move(known);
        return AUDIO_OK;
    }
    kind = clipKind;
    const AudioResult result = Decode(filePath, written);
    if (result == AUDIO_OK && shared && decoded && !unknown)
        shared->Keep(filePath, decoded);
    return result;
}

AudioResult AudioClip::Decode(const std::string& filePath, std::filesystem::file_time_type written)
{
    SoundFile file;
    const AudioResult result = file.Open(filePath);
    if (result != AUDIO_OK)
        return result;
    path = filePath;
    rate = file.Rate();
    frameCount = file.FrameCount();
    if (kind == ClipKind::Stream)
        return AUDIO_OK;
    auto frames = std::make_shared<DecodedFrames>();
    frames->written = written;
    frames->rate = rate;
    // Decoded a chunk at a time until the file ends: the header's count may be
    // more than decodes (a truncated file) or far more than memory holds.
    std::vector<float>& samples = frames->frames;
    std::size_t read = 0;
    for (std::size_t got = kChunkFrames; got == kChunkFrames; read += got)
    {
        samples.resize(2 * (read + kChunkFrames));
        got = file.Read(samples.data() + 2 * read, kChunkFrames);
    }
    samples.resize(2 * read);
    samples.shrink_to_fit();
    frameCount = read;
    decoded = std::move(frames);
    return frameCount > 0 ? AUDIO_OK : AUDIO_BAD_FILE;
}

const std::vector<float>& AudioClip::Frames() const
{
    static const std::vector<float> none;
    return decoded ? decoded->frames : none;
}
} // namespace Orvex
