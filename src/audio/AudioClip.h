#pragma once
// A sound of the audio layer: either decoded whole at load (short effects) or a
// stream, of which only the path and format are kept here; every channel that
// plays a stream decodes it through its own StreamReader.
//
// Loaded clips of one unchanged file share one decoding (a level gives every
// pickup its own sound of the same file); the frames are never written after
// decoding, so the mixer's thread reads them without a lock.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "audio/AudioResult.h"

namespace Orvex
{
enum class ClipKind
{
    Stream, // decoded in chunks while it plays
    Loaded, // decoded whole when loaded
};

// A file decoded whole, as it was when decoded.
struct DecodedFrames
{
    std::filesystem::file_time_type written; // the file's modification time
    int rate = 0;                            // frames per second
    std::vector<float> frames;               // interleaved stereo
};

// The decodings that clips still hold, by path; forgets one when its last clip goes.
class DecodedFiles
{
public:
    // The decoding of path if a clip holds it and the file has not changed since.
    std::shared_ptr<const DecodedFrames> Find(const std::string& path,
                                              std::filesystem::file_time_type written);
    void Keep(const std::string& path, const std::shared_ptr<const DecodedFrames>& decoded);

private:
    std::unordered_map<std::string, std::weak_ptr<const DecodedFrames>> known;
};

// Names one clip for the whole process run. Unlike the clip's address it is never
// given to another clip, not even after the mixer has stopped and started again,
// so an owner holding an old one cannot reach a clip it does not own. 0 is none.
using ClipHandle = std::uint64_t;

class AudioClip
{
public:
    // Opens path; a loaded clip decodes every frame now (or takes the decoding of
    // the same file from shared), a stream only checks the file.
    AudioResult Load(const std::string& path, ClipKind kind, DecodedFiles* shared = nullptr);

    ClipKind Kind() const { return kind; }
    const std::string& Path() const { return path; }
    int Rate() const { return rate; }                       // frames per second
    std::size_t FrameCount() const { return frameCount; }   // frames in the file
    // Interleaved stereo, 2 × FrameCount() floats; empty for streams.
    const std::vector<float>& Frames() const;

    // Set when its owner released it while channels still play it; the mixer frees
    // it once they have ended.
    bool released = false;
    ClipHandle handle = 0; // given by the mixer that holds it

private:
    AudioResult Decode(const std::string& path, std::filesystem::file_time_type written);

    ClipKind kind = ClipKind::Loaded;
    std::string path;
    int rate = 0;
    std::size_t frameCount = 0;
    std::shared_ptr<const DecodedFrames> decoded; // loaded clips only
};
} // namespace Orvex
