#pragma once
// A level pack as it travels: a .zip of its folder, pack.xml and the level files it lists, all
// under one folder named by the pack's id ("paper-cuts/pack.xml", "paper-cuts/level-1.txt"); a
// zip with pack.xml at its top reads as well. A zip is read whole in memory and checked before
// anything of it is written: every entry's name (nothing that climbs out of the pack's folder,
// no absolute path, backslash or link), its size (no entry, and no pack, of more than 10 MB
// unpacked, as its entries say before any is unpacked; an entry is never unpacked past the size
// it gives), the count of entries, pack.xml (app/levels/packlist.h) and every level file it
// lists. Entries that pack.xml does not list are left out.
#include "app/levels/packlist.h"

#include <cstddef>
#include <string>
#include <vector>

// What a pack's files may weigh: all of them together, unpacked; its zip; its pack.xml.
inline constexpr std::size_t kLargestPack = 10u << 20;
inline constexpr std::size_t kLargestPackZip = 16u << 20;
inline constexpr std::size_t kLargestPackList = 1u << 20;
// The most entries a pack's zip holds.
inline constexpr std::size_t kMostPackEntries = 1000;

struct PackFile {
    std::string path; // inside the pack's folder: "pack.xml", "level-1.txt"
    std::string bytes;
};

// A pack held in memory: its list, and its files, pack.xml first, then each level file the list
// names (once, however often it names it).
struct PackContents {
    PackList list;
    std::vector<PackFile> files;
};

// Reads a pack's folder: its pack.xml and the files it lists. False, with the problem in one
// line, as for a zip.
bool ReadPackFolder(const std::string& folder, PackContents& pack, std::string& problem);

// The pack from the list and its level files' bytes (one for each level of the list, in its
// order): pack.xml written from the list. False, with the problem in one line, when the list
// is no pack's (packlist.h).
bool PackFromLevels(const PackList& list, const std::vector<std::string>& levelBytes, PackContents& pack,
                    std::string& problem);

// The zip of the pack, its files under the folder of its id.
std::string ZipPack(const PackContents& pack);

// Reads and checks a zip's bytes as above. False, with the problem in one line ("it holds no
// pack.xml", "its entry \"../x\" climbs out of its folder"), when it is no pack.
bool ReadPackZip(const std::string& zip, PackContents& pack, std::string& problem);
