#include "graphics/Mesh.h"

#include <locale>
#include <sstream>
#include <unordered_map>

#include "data/Deserializer.h"
#include "engine/AssetPaths.h"
#include "graphics/CacheName.h"
#include "memory/MemoryManager.h"

namespace Orvex
{
namespace
{
std::unordered_map<std::string, cMesh*> library;

// Reads "a,b" or "a,b,c": unsigned numbers with exactly one character skipped
// between them. False when a number cannot be read or names no point.
template <std::size_t N>
bool ReadIndices(const std::string& text, std::size_t pointCount,
                 std::array<std::uint32_t, N>& indices)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    for (std::size_t i = 0; i < N; ++i)
    {
        if (i > 0)
            in.ignore(1);
        unsigned long long index = 0;
        if (!(in >> index) || index >= pointCount)
            return false;
        indices[i] = static_cast<std::uint32_t>(index);
    }
    return true;
}

void ReadPoints(const Deserializer& block, std::vector<tvec2>& points)
{
    for (std::size_t i = 0;; ++i)
    {
        const std::string key = std::to_string(i);
        if (!block.HasKey(key))
            return;
        tvec2 point{0.0f, 0.0f};
        block.GetVec2(key, point);
        points.push_back(point);
    }
}

template <std::size_t N>
void ReadIndexList(const Deserializer& block, const std::string& path, std::size_t pointCount,
                   std::vector<std::array<std::uint32_t, N>>& list)
{
    for (std::size_t i = 0;; ++i)
    {
        const std::string key = std::to_string(i);
        if (!block.HasKey(key))
            return;
        std::array<std::uint32_t, N> indices{};
        if (!ReadIndices(block.GetString(key), pointCount, indices))
            throw "Error in a file: " + path;
        list.push_back(indices);
    }
}
} // namespace

cMesh ReadMesh(const Deserializer& file, const std::string& path)
{
    cMesh mesh;
    const Deserializer& points = file.GetChild("Points");
    points.GetVec2("Center", mesh.center);
    ReadPoints(points, mesh.points);
    ReadIndexList(file.GetChild("Edges"), path, mesh.points.size(), mesh.edges);
    ReadIndexList(file.GetChild("Faces"), path, mesh.points.size(), mesh.faces);
    return mesh;
}

cMesh* GetMesh(const std::string& name)
{
    const auto found = library.find(name);
    if (found != library.end())
        return found->second;
    const std::string path = AssetPath("Meshes", name);
    const Deserializer file(path, Deserializer::ObjectFile);
    cMesh* mesh = New<cMesh>(ReadMesh(file, path));
    library.emplace(name, mesh);
    return mesh;
}

std::string MeshName(const cMesh* mesh)
{
    return CacheName(library, mesh);
}

std::size_t LoadedMeshCount() { return library.size(); }

void ShutdownMeshes()
{
    for (const auto& entry : library)
        Delete(entry.second);
    library.clear();
}
} // namespace Orvex
