#include "audio/AudioDevice.h"

#include <SDL.h>

namespace Orvex
{
void AudioDevice::Trampoline(void* self, std::uint8_t* stream, int bytes)
{
    const auto* device = static_cast<AudioDevice*>(self);
    const int frames = bytes / static_cast<int>(2 * sizeof(float));
    device->callback(device->user, reinterpret_cast<float*>(stream), frames);
}

AudioDevice::~AudioDevice() { Close(); }

bool AudioDevice::Open(int rate, int frames, Callback onBuffer, void* onBufferUser)
{
    Close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    subsystemStarted = true;
    callback = onBuffer;
    user = onBufferUser;
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 2;
    wanted.samples = static_cast<Uint16>(frames);
    wanted.callback = Trampoline;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No allowed changes: SDL converts, so the callback always sees our format.
    id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (id == 0)
    {
        Close();
        return false;
    }
    SDL_PauseAudioDevice(id, 0);
    return true;
}

void AudioDevice::Close()
{
    // SDL_Quit may have closed the device and its subsystem already.
    if (id != 0 && SDL_WasInit(SDL_INIT_AUDIO))
        SDL_CloseAudioDevice(id);
    id = 0;
    if (subsystemStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted = false;
}
} // namespace Orvex
