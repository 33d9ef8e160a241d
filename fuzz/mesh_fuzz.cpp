// Arbitrary bytes as a mesh file: parsed, read, and every index the reader let
// through used the way collision and drawing use it. Errors thrown as strings are
// fine answers; crashes and reads past the point list are not.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "data/Deserializer.h"
#include "graphics/Mesh.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try
    {
        const Orvex::Deserializer file(in, "fuzz", Orvex::Deserializer::ObjectFile);
        const Orvex::cMesh mesh = Orvex::ReadMesh(file, "fuzz");
        float sum = 0.0f;
        for (const Orvex::cMesh::Face& face : mesh.faces)
            for (std::uint32_t index : face)
                sum += mesh.points.at(index).x;
        for (const Orvex::cMesh::Edge& edge : mesh.edges)
            for (std::uint32_t index : edge)
                sum += mesh.points.at(index).y;
        (void)sum;
    }
    catch (const std::string&)
    {
    }
    return 0;
}
