#pragma once
// Result codes of the audio layer. 0 is success and 23 a sound file that does not
// exist, which callers tolerate (the sound stays silent); every other code is an
// error that SoundManager::CheckResult reports with its number.

namespace Orvex
{
enum AudioResult : int
{
    AUDIO_OK = 0,
    AUDIO_NO_FREE_CHANNEL = 1, // every channel is playing; the new sound gets none
    AUDIO_BAD_FILE = 2,        // the file exists but is no sound we can decode
    AUDIO_INVALID_HANDLE = 3,  // a channel that ended and was reused, or a released group
    AUDIO_INVALID_PARAM = 4,   // null, negative or non-finite argument
    AUDIO_NOT_STARTED = 5,     // the mixer is not running
    AUDIO_FILE_NOT_FOUND = 23,
};
} // namespace Orvex
