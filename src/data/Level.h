#pragma once
// Building entities from archetype files and level entries, loading a level into a
// game state and writing a game state back as a level.
//
// Level files carry "VersionMajor"/"VersionMinor" in their LevelData object; the
// loader reads 1.0 to 1.3 and the writer always writes 1.3. Every error is thrown
// as std::string; a value that does not read names the file, the entity or
// component and the key (see data/DataError.h).

#include <string>

namespace Orvex
{
struct DataPlace;
class Deserializer;
class Entity;
class IGamestate;

// An entity (not in any state) with every component of the archetype file; an
// empty archetype name means "Default". Components are initialised last. (Entries
// of 1.0 and 1.1 levels are such entities, each component's fields then read
// again from the entry's sub-object of that component's name.)
Entity* CreateFromArchetype(const std::string& entityName, const std::string& archetypeName);
// An entity from one entry of a 1.2 or 1.3 level: its archetype plus the entry's
// Transform when the entry's flags mark an archetype instance, else exactly the
// components the entry lists. place: where the entry lies, for error texts.
Entity* CreateFromEntry(const std::string& entityName, const Deserializer& entry,
                        const DataPlace& place);
// Queues the state's entities for removal and adds the level's. A version the
// loader does not read changes nothing and logs an "ERROR: " line. A camera or
// level-settings name that matches no new entity leaves the state without one
// (the old one is being removed); an empty name matches nothing.
void LoadLevel(const std::string& levelName, IGamestate& state);
// Writes the state's entities as a 1.3 level naming camera as its camera. The old
// file is replaced only when the whole new text was written; a failure or a
// refusal (a name leaving the levels folder, a value ending in ":" or holding a
// line break, which would not read back) throws a text naming the cause, the
// object and the key, and leaves the old file as it was.
void SaveLevel(const std::string& levelName, const IGamestate& state, const Entity& camera);
} // namespace Orvex
