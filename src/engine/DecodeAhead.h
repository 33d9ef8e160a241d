#pragma once
// Decodes a level's images and sounds on a worker thread while the game thread
// does other work (opening the window and starting OpenGL), so that the level's
// load finds them decoded and only uploads them.
//
// The worker reads files into buffers of its own (SDL images, sample vectors): it
// uses no pool, no OpenGL, no asset path and no mixer state, all of which belong
// to the game thread. Each result reaches the game thread through a future that
// the texture cache or the mixer takes when the load asks for that name, waiting
// if the worker has not got there yet. A file that fails ahead is decoded again
// where it is asked for, so its error reads and arises exactly as without this.

#include <atomic>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace Orvex
{
class DecodeAhead
{
public:
    // Lists the level's images and sounds (on the game thread, with the engine
    // and its sound manager started) and starts decoding them. An empty name, or
    // a level whose files do not read, decodes nothing: its load reports that.
    explicit DecodeAhead(const std::string& levelName);
    // Stops the worker after the file it is on and forgets what was not taken.
    ~DecodeAhead();
    DecodeAhead(const DecodeAhead&) = delete;
    DecodeAhead& operator=(const DecodeAhead&) = delete;

private:
    void Work();

    std::vector<std::packaged_task<void()>> jobs; // the worker's alone once it runs
    std::atomic<bool> stopping{false};
    std::thread worker;
};
} // namespace Orvex
