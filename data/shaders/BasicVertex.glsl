#version 330 core
// Places one corner of a sprite quad exactly as a Transform's model matrix places
// a local point (offset, then scale, rotation and translation), then applies the
// view matrix given as three columns, so a quad covers the same ground as the
// collision shape of the same transform. Every input is a vertex attribute: the
// program has no uniforms.

layout(location = 0) in vec3 corner;    // local units, (x, y, 1)
layout(location = 1) in vec2 texCoord;  // row 0 is the image's top
layout(location = 2) in vec4 color;     // tint, 0 to 1
layout(location = 3) in vec2 position;  // world units
layout(location = 4) in float rotation; // radians, counter-clockwise
layout(location = 5) in vec2 scale;
layout(location = 6) in vec2 offset;    // local units, before scaling
layout(location = 7) in vec3 view0;     // view matrix columns
layout(location = 8) in vec3 view1;
layout(location = 9) in vec3 view2;

out vec2 fragmentTexCoord;
out vec4 fragmentColor;

void main()
{
    vec2 local = scale * (corner.xy + offset);
    float c = cos(rotation);
    float s = sin(rotation);
    vec2 world = position + vec2(c * local.x - s * local.y, s * local.x + c * local.y);
    vec3 placed = mat3(view0, view1, view2) * vec3(world, 1.0);
    gl_Position = vec4(placed.xy, 0.0, placed.z);
    fragmentTexCoord = texCoord;
    fragmentColor = color;
}
