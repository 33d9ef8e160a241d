#include "engine/DecodeAhead.h"

#include "audio/AudioClip.h"
#include "audio/Mixer.h"
#include "audio/SoundManager.h"
#include "audio/cSound.h"
#include "data/LevelAssets.h"
#include "engine/AssetPaths.h"
#include "graphics/Textures.h"

namespace Orvex
{
namespace
{
// Failures are left to the game thread's own decoding.
SurfacePtr DecodeQuietly(const TextureFiles& files)
{
    try
    {
        return DecodeTexture(files);
    }
    catch (const std::string&)
    {
        return nullptr;
    }
}

LevelAssetNames Listed(const std::string& levelName)
{
    if (levelName.empty())
        return {};
    try
    {
        return ListLevelAssets(levelName);
    }
    catch (const std::string&)
    {
        return {};
    }
    catch (const std::exception&) // a version that is no number
    {
        return {};
    }
}
} // namespace

DecodeAhead::DecodeAhead(const std::string& levelName)
{
    const LevelAssetNames names = Listed(levelName);
    for (const std::string& name : names.textures)
    {
        std::packaged_task<SurfacePtr()> decode([files = TextureFilesOf(name)] {
            return DecodeQuietly(files);
        });
        ExpectDecodedImage(name, decode.get_future());
        jobs.emplace_back(std::move(decode));
    }
    if (SoundManager::Initialised())
        for (const std::string& name : names.sounds)
        {
            if (name.empty() || cSound::Streamed(name))
                continue;
            const std::string path = AssetPath("Sounds", name);
            std::packaged_task<FramesPtr()> decode([path] { return DecodeWhole(path); });
            SoundManager::GetMixer().ExpectDecoding(path, decode.get_future());
            jobs.emplace_back(std::move(decode));
        }
    if (!jobs.empty())
        worker = std::thread(&DecodeAhead::Work, this);
}

DecodeAhead::~DecodeAhead()
{
    stopping = true;
    if (worker.joinable())
        worker.join();
    DropExpectedImages();
    if (SoundManager::Initialised())
        SoundManager::GetMixer().DropExpectedDecodings();
}

void DecodeAhead::Work()
{
    for (std::packaged_task<void()>& job : jobs)
    {
        if (stopping)
            return;
        job();
    }
}
} // namespace Orvex
