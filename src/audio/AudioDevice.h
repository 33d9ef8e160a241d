#pragma once
// The only file that talks to SDL's audio: opens the default output device for
// interleaved stereo float at a fixed rate and buffer size, and has SDL's audio
// thread call back for each buffer. SDL converts to whatever the hardware wants.

#include <cstdint>

namespace Orvex
{
class AudioDevice
{
public:
    // Fills out with frames interleaved stereo float frames; runs on SDL's audio thread.
    using Callback = void (*)(void* user, float* out, int frames);

    AudioDevice() = default;
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // rate: frames per second; frames: frames per device buffer. False when there is
    // no audio driver or no device could be opened; the callback then never runs.
    bool Open(int rate, int frames, Callback callback, void* user);
    void Close();
    bool IsOpen() const { return id != 0; }

private:
    static void Trampoline(void* self, std::uint8_t* stream, int bytes);

    Callback callback = nullptr;
    void* user = nullptr;
    std::uint32_t id = 0; // SDL_AudioDeviceID; 0 is none
    bool subsystemStarted = false;
};
} // namespace Orvex
