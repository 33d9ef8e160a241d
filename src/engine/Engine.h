#pragma once
// The one Engine of the process: owns the stack of game states and runs the frame.
//
// One frame, in order (RunFrame):
//   BeginFrame   clock, frame scratch cleared, pending pushes applied, the top
//                state's level load and entity removals, input rolled, events polled
//   UpdateActive (window active only) the top state's FeedInput, each of its
//                systems in list order, then its own Update; Ctrl+F2 requests a pop
//   EndFrame     the top state's messages delivered, pending pops applied, a quit
//                signal turned into QUIT, pacing
// Pushes, pops, level loads and entity removals are requests applied only at these
// points, so no system sees the world change under it mid-frame.

#include <cstdint>
#include <deque>
#include <string>

#include "data/Deserializer.h"
#include "messaging/IMessage.h"

namespace Orvex
{
class IGamestate;

class Engine
{
public:
    enum Flag : std::uint32_t
    {
        QUIT = 1u << 0,
        ACTIVE = 1u << 1,
        PUSH_PENDING = 1u << 2,
        POP_PENDING = 1u << 3,
    };

    // Reads "./config/core_config.ini", loads the shared meshes and starts the
    // image, font and sound libraries. Sets the process-wide engine pointer.
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // The process-wide engine, or null when none exists.
    static Engine* Get() { return instance; }

    void Run();
    void RunFrame();
    // One frame at a fixed step of step seconds, whether or not the window is
    // active and without pacing: what RunFrame does at the fixed step, as fast as
    // the machine goes (headless runs: tests and tools).
    void RunFixedFrame(float step);
    // Destroys the states still waiting to be pushed, pops every state from the
    // top down, then closes the window.
    void Shutdown();

    // "PATH" / "EXT" of a section of the core configuration; empty when absent.
    // Throws section + " not found in deserializer." for a missing section.
    std::string GetPath(const std::string& section) const;
    std::string GetExtension(const std::string& section) const;
    const Deserializer& CoreConfig() const { return coreConfig; }

    // The top of the stack; GetActiveGamestate requires a non-empty stack.
    IGamestate& GetActiveGamestate();
    IGamestate* ActiveGamestate();
    const std::deque<IGamestate*>& Gamestates() const { return gamestates; }

    // Queues a created state; it is pushed at the start of the next frame.
    void PushGamestate(IGamestate* state);
    // Creates a registered game state by name and queues it. An unregistered name
    // is refused with a log line; returns the created state or null.
    IGamestate* PushGamestate(const std::string& name);
    // Pops count states at the end of this frame; a later request replaces count.
    void PopGamestates(unsigned count);

    // Numbers 256..259 are engine actions; others go to the top state's
    // MessageSystem (dropped when it has none). MSG_END_LEVEL also calls the
    // top state's OnLevelEnd at once. payload: MessagePayloadSize bytes or null.
    void SendMessage(std::uint32_t type, const void* payload = nullptr);
    template <class Record> void Send(std::uint32_t type, const Record& record)
    {
        const Message message = Message::Make(type, record);
        SendMessage(type, message.payload);
    }
    void Subscribe(IMessage* listener, std::uint32_t type, MessageHandler handler);
    void UnsubscribeAll(IMessage* listener);

    bool HasFlag(Flag flag) const { return (flags & flag) != 0; }
    void SetFlag(Flag flag) { flags |= flag; }
    void ClearFlag(Flag flag) { flags &= ~static_cast<std::uint32_t>(flag); }

    double Dt() const { return dt; }
    static constexpr double maxDt = 1.0 / 60.0; // seconds; the limiter's frame and the clamp

    bool FrameLimiter() const { return frameLimiter; }
    // Switches the limiter and vsync together.
    void SetFrameLimiter(bool on);
    void OnDeactivate();
    void OnActivate();

private:
    void BeginFrame();
    void UpdateActive(float step);
    void EndFrame();
    void DeliverAndPop();
    void ApplyPushes();
    void ApplyPops();
    void PaceFrame();
    void StartLibraries();
    void ReleaseProcessHooks();
    void DestroyState(IGamestate* state);
    void DestroyStates();
    void DestroyPendingPushes();

    static Engine* instance;

    std::int64_t frameStart = 0;    // steady clock, nanoseconds
    double dt = maxDt;              // seconds given to this frame's updates
    bool frameLimiter = false;      // limiter and vsync on
    bool savedFrameLimiter = false; // limiter as it was at the last deactivation
    std::deque<IGamestate*> gamestates;    // back is the active state
    Deserializer coreConfig;
    std::uint32_t flags = 0;
    std::deque<IGamestate*> pendingPushes; // first in, first out
    unsigned popCount = 0;
};
} // namespace Orvex
