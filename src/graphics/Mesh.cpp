#include "graphics/Mesh.h"

#include <locale>
#include <sstream>
#include <unordered_map>

#include "data/DataError.h"
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
// between them, each naming one of the points. Throws ValueError otherwise.
template <std::size_t N>
std::array<std::uint32_t, N> ReadIndices(const std::string& text, std::size_t pointCount)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::array<std::uint32_t, N> indices{};
    for (std::size_t i = 0; i < N; ++i)
    {
        if (i > 0)
            in.ignore(1);
        // Read signed: an unsigned read would take "-1" as a huge index.
        long long index = 0;
        if (!(in >> index) || index < 0)
            throw ValueError(Text::Quoted(text) + " is not " + std::to_string(N) + " point numbers");
        if (static_cast<unsigned long long>(index) >= pointCount)
            throw ValueError(Text::Quoted(text) + " names point " + std::to_string(index) +
                             ", but the mesh has " + std::to_string(pointCount) + " points");
        indices[i] = static_cast<std::uint32_t>(index);
    }
    return indices;
}

// An edge of no length has no direction: a contact on it would divide by zero.
void CheckEdgeLengths(const cMesh& mesh, const Deserializer& block, const DataPlace& place)
{
    for (std::size_t i = 0; i < mesh.edges.size(); ++i)
    {
        const tvec2 start = mesh.points[mesh.edges[i][0]];
        if (start == mesh.points[mesh.edges[i][1]])
        {
            const std::string key = std::to_string(i);
            place.Fail(key, Text::Quoted(block.GetString(key)) +
                           " is an edge of no length: both its ends are at " + Text::FormatVec2(start));
        }
    }
}

void ReadPoints(const Deserializer& block, const DataPlace& place, std::vector<tvec2>& points)
{
    for (std::size_t i = 0;; ++i)
    {
        const std::string key = std::to_string(i);
        if (!block.HasKey(key))
            return;
        tvec2 point{0.0f, 0.0f};
        place.Read(key, [&] { block.GetVec2(key, point); });
        points.push_back(point);
    }
}

template <std::size_t N>
void ReadIndexList(const Deserializer& block, const DataPlace& place, std::size_t pointCount,
                   std::vector<std::array<std::uint32_t, N>>& list)
{
    for (std::size_t i = 0;; ++i)
    {
        const std::string key = std::to_string(i);
        if (!block.HasKey(key))
            return;
        place.Read(key, [&] { list.push_back(ReadIndices<N>(block.GetString(key), pointCount)); });
    }
}
} // namespace

cMesh ReadMesh(const Deserializer& file, const std::string& path)
{
    cMesh mesh;
    const Deserializer& points = file.GetChild("Points");
    const DataPlace pointsPlace{path, "Points"};
    pointsPlace.Read("Center", [&] { points.GetVec2("Center", mesh.center); });
    ReadPoints(points, pointsPlace, mesh.points);
    const Deserializer& edges = file.GetChild("Edges");
    const DataPlace edgesPlace{path, "Edges"};
    ReadIndexList(edges, edgesPlace, mesh.points.size(), mesh.edges);
    CheckEdgeLengths(mesh, edges, edgesPlace);
    ReadIndexList(file.GetChild("Faces"), {path, "Faces"}, mesh.points.size(), mesh.faces);
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
