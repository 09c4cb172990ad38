#pragma once
// Every pack of levels there is to play: the game's own further notebooks ("data/packs/ID/",
// from the data root), the packs the player installed ("$XDG_DATA_HOME/tobrakka/packs/ID/",
// app/levels/packinstaller.h) and the player's own levels (app/levels/mylevels.h), each with its
// list and, for each level, the file the game plays, its name, par and hash.
//
// A pack plays as any level list: kolm::CLevelList(pack.listFile,
// kolm::CLevelList::Names::kInListFolder) hands out its level files; records follow each level's
// hash (app/replay/replayfile.h: LevelHash), so a pack may be reordered or updated and an edited
// level starts fresh.
#include "app/levels/packinstaller.h"
#include "app/levels/packlist.h"
#include "utils/levellist/clevellist.h"

#include <cstdint>
#include <string>
#include <vector>

struct ShelfLevel {
    int position = 0;  // in the pack's list, from 1
    std::string path;  // the level file, as the game opens it
    std::string name;  // empty when it has none
    uint64_t hash = 0; // of the file's bytes
    int parLoops = 0;  // 0: no par
    int parTime = 0;   // ms; 0: no par
};

struct ShelfPack {
    enum class Source { kGame, kInstalled, kMine };
    Source source = Source::kInstalled;
    PackList list;        // its id, title, author, version and licence, and its levels as listed
    std::string folder;   // where it lies
    std::string listFile; // its pack.xml
    std::vector<ShelfLevel> levels;
};

// The pack's title as the player reads it: the game's own books' in the language spoken, a
// player's pack's as its maker wrote it, its id when it has none.
std::string ShownTitle(const ShelfPack& pack);

// The levels of a list as the shelf holds them (the game's own list: its names, pars and hashes).
std::vector<ShelfLevel> ShelfLevelsOf(const kolm::CLevelList& list);

class PackShelf {
public:
    PackShelf(PackPlaces places, std::string myLevelsFolder)
        : places_(std::move(places)), myLevelsFolder_(std::move(myLevelsFolder))
    {
    }
    // The game's own notebooks, the player's installed packs and levels, where they usually are.
    static PackShelf Default();

    // The game's own packs, then the installed ones, each group by id, then My levels when they
    // hold a level. A folder that holds no pack that reads (app/levels/packarchive.h) is named
    // once a run on standard error and left out; so is an installed pack with the id of one of
    // the game's own. Folders whose name begins with "." are no packs.
    std::vector<ShelfPack> Packs() const;

private:
    void AddPacksOf(const std::string& folder, ShelfPack::Source source, std::vector<ShelfPack>& packs) const;

    PackPlaces places_;
    std::string myLevelsFolder_;
};
