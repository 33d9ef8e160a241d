#pragma once
// The value every sound field holds: a sound's name as data files write it and
// the loaded sound it owns. Names beginning with "Music/" are streamed and play
// in the music groups; every other name is loaded whole and plays as an effect.
//
// Each cSound owns its sound: a copy loads its own by the same name, and
// releasing forgets the name too, so that a later load of that name is a real one.

#include <string>

#include "audio/AudioClip.h"
#include "audio/Channel.h"
#include "object/PodTraits.h"

namespace Orvex
{
struct cSound
{
    static constexpr unsigned kMusic = 0;  // streamed
    static constexpr unsigned kEffect = 1; // loaded whole

    cSound() = default;
    ~cSound();
    cSound(const cSound& other);
    cSound& operator=(const cSound& other);
    cSound(cSound&& other) noexcept;
    cSound& operator=(cSound&& other) noexcept;

    // Loads the sound file of that name (starting the sound manager when needed).
    // Empty or the current name: nothing. A missing file leaves the name without a
    // sound; a file that does not decode throws.
    void SetName(const std::string& newName);
    // Plays into the active game state's groups (the master groups when there is
    // none). volume: linear gain, 0 silent to 1 full; pitchRandom: the frequency
    // factor is uniform in [1 - pitchRandom, 1 + pitchRandom]; loop: endlessly.
    // A null channel when nothing is loaded or every channel is busy.
    Channel Play(bool loop, float volume, float pitchRandom);
    // Frees the sound and forgets the name.
    void Release();

    std::string name;             // relative to the sounds folder, no extension; "" = none
    ClipHandle sound = 0;         // owned; 0 until a name is loaded
    unsigned int kind = kMusic;   // kMusic or kEffect

    // The loaded clip; null when none is, or when the sound manager was shut down
    // (and perhaps started again) since it was loaded.
    AudioClip* Clip() const;

private:
    void ReleaseLogged() noexcept;
};

// Written and read as its name; reading loads it.
template <> struct PodTraits<cSound>
{
    static void Serialize(const std::string& key, const cSound& value);
    static void Deserialize(const std::string& key, cSound& value, const Deserializer& object);
    static void Copy(const cSound& from, cSound& to) { to = from; }
};
} // namespace Orvex
