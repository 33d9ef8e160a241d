#pragma once
// Message numbers and payload records.
//
// A message is a type number and a fixed payload. The payload was laid out for
// 24 bytes with 32-bit pointers; entity pointers are 8 bytes here, so the payload
// grows by 4 bytes per pointer slot of the largest record (CollisionMessage).
// Senders zero the payload before filling it.

#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>

#include "engine/Math.h"

namespace Orvex
{
class Entity;

enum MessageType : std::uint32_t
{
    MSG_UNKNOWN = 0,
    MSG_WINDOW_RESIZED = 1, // int width, int height
    MSG_WINDOW_MOVED = 2,   // int x, int y
    MSG_KEYDOWN = 3,        // unsigned scancode
    MSG_KEYUP = 4,          // unsigned scancode
    MSG_MOUSEBUTTONDOWN = 5,
    MSG_MOUSEBUTTONUP = 6,
    MSG_MOUSEWHEELUP = 7,
    MSG_MOUSEWHEELDOWN = 8,
    MSG_COLLISION = 9, // CollisionMessage; delivered to Self's components only
    MSG_MOVE_CAMERA = 10,
    MSG_SCREEN_SHAKE = 11, // float amplitude, float duration, float frequency
    MSG_SET_ACTIVE = 12,   // Entity* target
    MSG_END_LEVEL = 13,
    MSG_ADD_SCORE = 14, // int amount
    MSG_BOUNCE = 15,    // Entity* target, float factor
    MSG_ROCKET_START = 16, // CollisionMessage
    MSG_ROCKET_END = 17,   // CollisionMessage
    MessageTypeCount = 18,

    // Handled by Engine::SendMessage itself, never queued.
    ENGINE_QUIT = 256,
    ENGINE_DEACTIVATE = 257,
    ENGINE_ACTIVATE = 258,
    ENGINE_RESIZE = 259, // int width, int height
};

struct CollisionMessage
{
    Entity* Self;
    Entity* Other;
    tvec2 Point;     // world contact point; zero for ghosts
    int VertexIndex; // first vertex of Self's mesh inside Other, -1 when none
    bool Ghost;      // either collider is a ghost
};

struct BounceMessage
{
    Entity* target;
    float factor;
};

struct SetActiveMessage
{
    Entity* target;
};

struct ScreenShakeMessage
{
    float amplitude;
    float duration;
    float frequency;
};

struct SizeMessage // MSG_WINDOW_RESIZED, MSG_WINDOW_MOVED, ENGINE_RESIZE
{
    int x;
    int y;
};

struct KeyMessage // MSG_KEYDOWN, MSG_KEYUP
{
    unsigned scancode;
};

struct ScoreMessage
{
    int amount;
};

constexpr std::size_t MessagePayloadSize = 24 + 2 * (sizeof(void*) - 4);
static_assert(sizeof(CollisionMessage) <= MessagePayloadSize, "payload too small");

struct Message
{
    std::uint32_t type = MSG_UNKNOWN;
    alignas(8) unsigned char payload[MessagePayloadSize] = {};

    Message() = default;
    // A message whose payload starts with a copy of record and is zero elsewhere.
    // Copy-constructed, not copied bytewise: the GLM vectors in CollisionMessage
    // are not trivially copyable, though plain data all the same.
    template <class Record> static Message Make(std::uint32_t type, const Record& record)
    {
        static_assert(std::is_trivially_destructible_v<Record>, "payloads are plain records");
        static_assert(sizeof(Record) <= MessagePayloadSize, "payload too large");
        static_assert(alignof(Record) <= 8, "payload too strictly aligned");
        Message message;
        message.type = type;
        new (message.payload) Record(record);
        return message;
    }
    template <class Record> const Record& As() const
    {
        return *reinterpret_cast<const Record*>(payload);
    }
};
} // namespace Orvex
