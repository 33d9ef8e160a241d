#include "graphics/ShaderProgram.h"

#include <fstream>
#include <iostream>

#include <GL/glew.h>

#include "engine/AssetPaths.h"

namespace Orvex
{
namespace
{
constexpr GLsizei LogLength = 512; // characters of a compile or link log shown

GLuint CompileShader(GLenum kind, const std::string& source, const char* label)
{
    const GLuint shader = glCreateShader(kind);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    std::cout << label;
    if (compiled)
    {
        std::cout << "Shader Compiled Successfuly" << std::endl;
        return shader;
    }
    char log[LogLength] = {};
    glGetShaderInfoLog(shader, LogLength, nullptr, log);
    std::cout << "Compilation Failed\n" << log << std::endl;
    return shader;
}

GLuint LinkProgram(GLuint vertex, GLuint fragment)
{
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked)
    {
        std::cout << "Shader Program Linked Successfully" << std::endl;
        return program;
    }
    char log[LogLength] = {};
    glGetProgramInfoLog(program, LogLength, nullptr, log);
    std::cout << "Shader Program Linking Failed\n" << log << std::endl;
    return program;
}

void CreateVertexState(ShaderProgram& shader)
{
    glGenVertexArrays(1, &shader.vertexArray);
    glGenBuffers(ShaderProgram::AttributeCount, shader.buffers);
    glBindVertexArray(shader.vertexArray);
    for (unsigned i = 0; i < ShaderProgram::AttributeCount; ++i)
    {
        const int components = ShaderProgram::Components[i];
        glBindBuffer(GL_ARRAY_BUFFER, shader.buffers[i]);
        glEnableVertexAttribArray(i);
        glVertexAttribPointer(i, components, GL_FLOAT, GL_FALSE, 0, nullptr);
        glBufferData(GL_ARRAY_BUFFER, components * ShaderProgram::VerticesPerQuad * sizeof(float),
                     nullptr, GL_DYNAMIC_DRAW);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
}
} // namespace

std::string ReadShaderSource(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
    {
        std::cout << "ERROR. Failed open file: " << path << "\nNo shader code has been generated."
                  << std::endl;
        return {};
    }
    std::string source;
    for (std::string line; std::getline(file, line);)
        source += line + '\n';
    return source;
}

ShaderProgram BuildShaderProgram()
{
    ShaderProgram shader;
    const GLuint vertex = CompileShader(
        GL_VERTEX_SHADER, ReadShaderSource(AssetPath("Shaders", "BasicVertex")), "Vertex ");
    const GLuint fragment = CompileShader(
        GL_FRAGMENT_SHADER, ReadShaderSource(AssetPath("Shaders", "TextureFragment")), "Fragment ");
    shader.program = LinkProgram(vertex, fragment);
    // The program keeps what it linked; the shader objects go with it.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    CreateVertexState(shader);
    return shader;
}

void DestroyShaderProgram(ShaderProgram& shader)
{
    // Never built: there may be no loaded GL entry points to call.
    if (!shader.program && !shader.vertexArray)
        return;
    glDeleteProgram(shader.program);
    glDeleteVertexArrays(1, &shader.vertexArray);
    glDeleteBuffers(ShaderProgram::AttributeCount, shader.buffers);
    shader = ShaderProgram();
}
} // namespace Orvex
