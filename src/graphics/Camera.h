#pragma once
// The view of the world: its entity's Transform is the centre of the screen (and
// turns the view), "Size" the world extent of the shorter window side. A shake
// request makes the view jump to random offsets around the position for a while.
//
// The Transform is looked up in the entity at each use rather than remembered:
// the level editor can remove it while the camera lives, and one index into the
// entity costs no more than a stored pointer that might dangle. Without it the
// camera sits at the origin, unrotated.

#include "engine/Math.h"
#include "object/IComponent.h"

namespace Orvex
{
class Transform;

// Payload of MSG_MOVE_CAMERA: the world position the active camera jumps to.
struct MoveCameraMessage
{
    float x;
    float y;
};

// The smallest world extent a view shows. A Size of zero would divide by zero in
// the view; a zoom key held long enough, a level file or a value typed in the
// editor can give one.
constexpr float kMinimumCameraSize = 0.01f;

// World width and height shown by a camera of that size on a window of that
// aspect (width / height; 0 or less counts as 1): the shorter side shows size.
// A size nearer zero than kMinimumCameraSize counts as that, with its sign (a
// negative size turns the view half round); one that is not a number as that.
tvec2 VisibleExtent(float size, float aspect);

class Camera : public IComponent
{
    ORVEX_COMPONENT(Camera)

    // Needs a Transform; listens for MSG_MOVE_CAMERA and MSG_SCREEN_SHAKE.
    void Init() override;
    // Runs the shake countdown; dt in seconds.
    void Update(float dt) override;

    // World to device (the visible rectangle onto -1..1) for an object whose
    // parallax scales the camera position it sees: S(2/w, 2/h) R(-θ) T(-p·parallax).
    tmat3 GetViewMatrix(float parallaxX, float parallaxY) const;
    // Device to world: the inverse of the view for parallax (1, 1).
    tmat3 GetScreenToWorld() const;
    // World to device without rotation, parallax or shake, for screen-space effects.
    tmat3 GetPlainViewMatrix() const;
    // World width and height shown on the current window.
    tvec2 Extent() const;

    // Shakes for duration seconds, jumping to a new offset of up to amplitude per
    // axis every interval seconds; the first jump is at once. Restarts a shake.
    void StartShake(float amplitude, float duration, float interval);

    float size = 1.0f; // world units across the shorter window side

    bool shaking = false;
    float shakeTimeLeft = 0.0f;      // seconds
    float shakeAmplitude = 0.0f;     // world units, largest offset per axis
    float shakeInterval = 0.0f;      // seconds between new offsets
    float shakeTimer = 0.0f;         // seconds since the last new offset
    tvec2 shakePosition{0.0f, 0.0f}; // the view's centre while shaking, world units
    float cullMargin = 1.05f;        // factor on the visible half extents for culling

private:
    void OnMoveCamera(const void* payload);
    void OnScreenShake(const void* payload);
    void PickShakePosition();
    Transform* OwnTransform() const;
    tvec2 Position() const;     // the transform's, or the origin
    tvec2 ViewPosition() const; // the shake position while shaking
    float Rotation() const;
};
} // namespace Orvex
