#include "audio/AudioClip.h"

#include "audio/SoundFile.h"

namespace Orvex
{
AudioResult AudioClip::Load(const std::string& filePath, ClipKind clipKind)
{
    SoundFile file;
    const AudioResult result = file.Open(filePath);
    if (result != AUDIO_OK)
        return result;
    kind = clipKind;
    path = filePath;
    rate = file.Rate();
    frameCount = file.FrameCount();
    if (kind == ClipKind::Stream)
        return AUDIO_OK;
    frames.resize(2 * frameCount);
    // The header's count can exceed what decodes (a truncated file): keep what did.
    frameCount = file.Read(frames.data(), frameCount);
    frames.resize(2 * frameCount);
    return frameCount > 0 ? AUDIO_OK : AUDIO_BAD_FILE;
}
} // namespace Orvex
