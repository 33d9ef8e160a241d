#include "audio/AudioClip.h"

#include "audio/SoundFile.h"

namespace Orvex
{
namespace
{
constexpr std::size_t kChunkFrames = 16384;

// Decoded a chunk at a time until the file ends: the header's count may be more
// than decodes (a truncated file) or far more than memory holds.
std::shared_ptr<DecodedFrames> ReadAll(SoundFile& file, std::filesystem::file_time_type written)
{
    auto decoded = std::make_shared<DecodedFrames>();
    decoded->written = written;
    decoded->rate = file.Rate();
    std::vector<float>& samples = decoded->frames;
    std::size_t read = 0;
    for (std::size_t got = kChunkFrames; got == kChunkFrames; read += got)
    {
        samples.resize(2 * (read + kChunkFrames));
        got = file.Read(samples.data() + 2 * read, kChunkFrames);
    }
    samples.resize(2 * read);
    samples.shrink_to_fit();
    return decoded;
}
} // namespace

FramesPtr DecodeWhole(const std::string& path)
{
    std::error_code unknown;
    const auto written = std::filesystem::last_write_time(path, unknown);
    SoundFile file;
    if (unknown || file.Open(path) != AUDIO_OK)
        return nullptr;
    std::shared_ptr<DecodedFrames> decoded = ReadAll(file, written);
    return decoded->frames.empty() ? nullptr : decoded;
}

FramesPtr DecodedFiles::Find(const std::string& path, std::filesystem::file_time_type written)
{
    const auto found = known.find(path);
    FramesPtr decoded = found == known.end() ? nullptr : found->second.lock();
    const auto ahead = expected.find(path);
    if (!decoded && ahead != expected.end())
    {
        decoded = ahead->second.get();
        expected.erase(ahead);
        if (decoded)
            Keep(path, decoded);
    }
    return decoded && decoded->written == written ? decoded : nullptr;
}

void DecodedFiles::Expect(const std::string& path, std::future<FramesPtr> decoding)
{
    expected[path] = std::move(decoding);
}

void DecodedFiles::Keep(const std::string& path, const FramesPtr& decoded)
{
    known[path] = decoded;
}

AudioResult AudioClip::Load(const std::string& filePath, ClipKind clipKind, DecodedFiles* shared)
{
    std::error_code unknown;
    const auto written = std::filesystem::last_write_time(filePath, unknown);
    FramesPtr known =
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
    decoded = ReadAll(file, written);
    frameCount = decoded->frames.size() / 2;
    return frameCount > 0 ? AUDIO_OK : AUDIO_BAD_FILE;
}

const std::vector<float>& AudioClip::Frames() const
{
    static const std::vector<float> none;
    return decoded ? decoded->frames : none;
}
} // namespace Orvex
