#version 330 core
// The bound texture, tinted by the vertex colour. A sampler nobody sets reads
// texture unit 0.

in vec2 fragmentTexCoord;
in vec4 fragmentColor;

uniform sampler2D image;

out vec4 outColor;

void main()
{
    outColor = texture(image, fragmentTexCoord) * fragmentColor;
}
