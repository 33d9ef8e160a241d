#include "graphics/ImmediateShapes.h"

#include <GL/glew.h>

#include "graphics/Mesh.h"
#include "graphics/SpriteBatch.h"

namespace Orvex
{
namespace
{
void Vertex(const tmat3& toDevice, tvec2 point)
{
    const glm::vec3 device = toDevice * glm::vec3(point, 1.0f);
    glVertex3f(device.x, device.y, 0.0f);
}

// Starts a primitive in the colour with no program and no texture bound;
// false when there is nothing to draw with.
bool Begin(GLenum mode, const tvec4& colour)
{
    if (!GraphicsReady())
        return false;
    glUseProgram(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glBegin(mode);
    return true;
}

void DrawThrough(GLenum mode, const std::vector<tvec2>& points, const tmat3& toDevice,
                 const tvec4& colour)
{
    if (!Begin(mode, colour))
        return;
    for (tvec2 point : points)
        Vertex(toDevice, point);
    glEnd();
}
} // namespace

void DrawFilledMesh(const cMesh& mesh, const tmat3& toDevice, const tvec4& colour)
{
    if (!Begin(GL_TRIANGLES, colour))
        return;
    for (const cMesh::Face& face : mesh.faces)
        for (std::uint32_t index : face)
            Vertex(toDevice, mesh.points[index]);
    glEnd();
}

void DrawLine(tvec2 from, tvec2 to, const tmat3& toDevice, const tvec4& colour)
{
    if (!Begin(GL_LINES, colour))
        return;
    Vertex(toDevice, from);
    Vertex(toDevice, to);
    glEnd();
}

void DrawClosedOutline(const std::vector<tvec2>& points, const tmat3& toDevice,
                       const tvec4& colour)
{
    DrawThrough(GL_LINE_LOOP, points, toDevice, colour);
}

void DrawTriangleStrip(const std::vector<tvec2>& points, const tvec4& colour)
{
    DrawThrough(GL_TRIANGLE_STRIP, points, tmat3(1.0f), colour);
}
} // namespace Orvex
