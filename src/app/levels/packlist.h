#pragma once
// A level pack's list, pack.xml: a level list, read by the level list's own reader
// (utils/levellist/clevellist.h), whose root carries the pack's id, title, author, version and
// licence, and whose levels carry a file name from the pack's folder and, when they have them, a
// name and a par (the loops and the game time, in milliseconds, its author cleared it in):
//
//     <LevelList id="paper-cuts" title="Paper cuts" author="Ann" version="1.2" licence="CC-BY-4.0">
//       <Level position="1" filename="level-1.txt" name="First steps" par_loops="2" par_time="40000"></Level>
//       <Level position="2" filename="level-2.txt"></Level>
//     </LevelList>
//
// The game's classic reader reads such a list as any other and ignores what it does not know.
// Text in the attributes is written with &amp; &quot; &lt; &gt; for the characters the reader
// would cut a tag at, and read back as it was; a control character is written as a blank.
#include <string>
#include <vector>

struct PackLevel {
    std::string file; // from the pack's folder: "level-1.txt"
    std::string name; // empty: none given
    int parLoops = 0; // 0: no par
    int parTime = 0;  // ms; 0: no par
};

struct PackList {
    std::string id;      // a-z, 0-9 and "-": the name of its folder among the installed packs
    std::string title;   // empty: none given (show the id)
    std::string author;
    std::string version; // "1", "1.2" (app/levels/packnames.h)
    std::string licence;
    std::vector<PackLevel> levels; // position 1 first

    bool operator==(const PackList& other) const;
};

// The longest text of a title, author, licence or level name, in bytes.
inline constexpr std::size_t kLongestPackText = 200;
// The most levels a pack holds.
inline constexpr int kMostPackLevels = 999;
// The highest par.
inline constexpr int kHighestParLoops = 1000;
inline constexpr int kHighestParTime = 24 * 60 * 60 * 1000;

// Reads pack.xml's text. False, with what is wrong in one line (as "its id ... is not an id"),
// when it is no pack's list: no valid id or version, no level, a position without a level
// before the last, a file name that climbs out of the pack's folder (packnames.h), a text that
// is too long, a par that is no whole number in its range. The list then holds what was read:
// its fields, and its levels up to the first that is wrong.
bool ReadPackList(const std::string& text, PackList& list, std::string& problem);

// pack.xml's text for the list, one tag a line, read back by ReadPackList as the same list.
std::string FormatPackList(const PackList& list);

// Whether the list's own fields (not its levels) make a pack: its id and version, and texts
// that are not too long. Empty text when they do, else the problem in one line.
std::string PackMetadataProblem(const PackList& list);
