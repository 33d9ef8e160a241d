#pragma once
// The base of every drawable component (Sprite, SpriteText, ParticleEmitter):
// the fields that place it in the draw order and on screen, and its quads for
// the frame being drawn. Each derived class registers the keys it exposes.
//
// The graphics system calls PrepareFrame on every visible object once a frame,
// then sorts by layer and texture and draws runs of equal ones together. The
// default builds one quad from the entity's Transform and Color; a kind that
// fills its streams elsewhere (particles in their own update) overrides it with
// nothing.

#include "engine/Math.h"
#include "graphics/VertexStreams.h"
#include "object/IComponent.h"

namespace Orvex
{
struct cMesh;
struct cTexture;
struct CullView;
class Transform;

class GraphicsObject : public IComponent
{
public:
    // Empties the streams and builds this frame's quads. cull: the camera's view
    // for objects that are not on the HUD, null to draw whatever lies where.
    // aspect: window width / height.
    virtual void PrepareFrame(const CullView* cull, float aspect);
    // The mesh to draw filled beneath the quad, or null.
    virtual const cMesh* DrawnMesh() const { return nullptr; }

    // Appends one quad for an object at the transform's place in colour, unless
    // the object is invisible or (not on the HUD) culled by cull.
    void BuildQuad(const tvec4& colour, const Transform& transform, const CullView* cull,
                   float aspect);
    // The same for a quad given by its values (a particle's); quad.scale is
    // taken before DrawnScale.
    void BuildQuad(QuadValues quad, const CullView* cull, float aspect);
    // The scale the quad is drawn with: x divided by aspect (window width /
    // height) when ScalesByAspect and the aspect is known (above 0).
    tvec2 DrawnScale(tvec2 scale, float aspect) const;
    // Whether the quad's x scale is divided by the window's aspect: when
    // aspectScaling is set.
    virtual bool ScalesByAspect() const { return aspectScaling; }
    // The texture's OpenGL name; 0 without a texture.
    unsigned TextureId() const;

    bool onHud = false;           // "OnHud": screen space (device units -1 to 1), identity view, never culled
    bool visible = true;          // "Visible": an invisible object is not in the frame at all
    tvec2 parallax{1.0f, 1.0f};   // "parallax": factor on the camera position; (0, 0) stays on screen
    int layer = 0;                // "layer": lower layers are drawn first
    cTexture* texture = nullptr;  // "texture": not owned (except by texts); null is not drawn
    tvec2 offset{0.0f, 0.0f};     // "TOffset": quad offset in local units, before scaling
    bool aspectScaling = false;   // "aspectScaling": x scale divided by the window aspect
    VertexStreams streams;        // this frame's quads; not serialised
};
} // namespace Orvex
