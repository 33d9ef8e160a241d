#pragma once
// Errors about the contents of data files.
//
// The typed reads (numbers, vectors, flags, indices) throw ValueError with the
// reason alone, quoting the text: "'2x' is not two binary digits". Only the
// reader knows which file and which object the text came from, so it reads each
// value through DataPlace::Read, which turns that reason into the engine's text
// for bad data, naming everything a designer needs to find the line:
//   "Error in a file: ./levels/x.txt: entity 3 (Crate), component Sprite, key Layer: '2x' is not a whole number"
// Any other error a read raises (a texture that does not exist) keeps its own
// text and gains the place it was asked for, after it.

#include <stdexcept>
#include <string>

namespace Orvex
{
class ValueError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

// "Error in a file: " + path + ": " + detail.
std::string FileError(const std::string& path, const std::string& detail);

// A file and the object being read from it, as error texts name them. Without a
// path (an object built in memory) the texts name the object and key alone.
struct DataPlace
{
    std::string path;
    std::string object; // "entity 3 (Crate), component Sprite"; empty for a whole file

    // The place with more of the way down: "entity 3 (Crate)" + "component Sprite".
    DataPlace Within(const std::string& inner) const;
    // FileError naming this place, the key and the reason.
    [[noreturn]] void Fail(const std::string& key, const std::string& reason) const;

    // Runs read (which reads the value of key), reporting its errors as above.
    template <class Reader> void Read(const std::string& key, Reader&& read) const
    {
        try
        {
            read();
        }
        catch (const ValueError& error)
        {
            Fail(key, error.what());
        }
        catch (const std::string& error)
        {
            throw error + " (" + Where(key) + ")";
        }
    }

private:
    std::string KeyOf(const std::string& key) const; // "entity 3, component Sprite, key Layer"
    std::string Where(const std::string& key) const;
};
} // namespace Orvex
