#include "game/states/Segment1GS.h"

#include "data/Level.h"
#include "messaging/Input.h"
#include "object/Entity.h"

namespace Orvex
{
ORVEX_REGISTER_GAMESTATE(Segment1GS)

namespace
{
enum Key : unsigned
{
    KeyR = 21,
    Key1 = 30,
    Key2 = 31,
    Key3 = 32,
    KeyF4 = 61,
    KeyF5 = 62,
    KeyF6 = 63,
};
} // namespace

Segment1GS::Segment1GS() : IGamestate(false, true) { currentLevel = firstLevel; }

void Segment1GS::Init() { requestedLevel = currentLevel; }

void Segment1GS::Update(float dt)
{
    UpdateComponents(dt);
    if (Input::KeyWentDown(KeyF4))
        ToggleCamera();
    if (Input::KeyWentDown(KeyR))
        requestedLevel = currentLevel;
    if (Input::KeyWentDown(Key1))
        requestedLevel = firstLevel;
    if (Input::KeyWentDown(Key2))
        requestedLevel = "testlv";
    if (Input::KeyWentDown(Key3))
        requestedLevel = "menu";
    if (Input::KeyWentDown(KeyF5))
        SaveSlot();
    if (Input::KeyWentDown(KeyF6))
        requestedLevel = saveSlot;
}

void Segment1GS::ToggleCamera()
{
    const bool onFirst = camera && camera->name == "Camera1";
    // A level without the other camera keeps the one it has.
    if (Entity* next = FindEntity(onFirst ? "Camera2" : "Camera1"))
        SetCamera(next->id);
}

void Segment1GS::SaveSlot()
{
    // Nothing to name as the saved level's camera: nothing is saved.
    if (camera)
        SaveLevel(saveSlot, *this, *camera);
}
} // namespace Orvex
