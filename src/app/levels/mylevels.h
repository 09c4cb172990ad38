#pragma once
// The player's own levels: level files in "$XDG_DATA_HOME/tobrakka/levels/" (else
// "~/.local/share/tobrakka/levels/"), with a pack.xml of their own (app/levels/packlist.h, the
// id "my-levels") that keeps their order, their names and their par, so that the level files
// themselves stay plain level files. A level is named by its file's name in the folder
// ("level-3.txt"); the files are numbered as they are made and never renamed.
//
// Every level file is written the safe way (a synced temporary file renamed into place); pack.xml
// is changed as the player's files are (utils/playerfile.h: under the folder's lock, read again,
// changed, written and renamed), so two games at once keep each other's changes. A level file put
// into the folder by hand is listed after the others; pack.xml's entries whose file is gone are
// left out. Each change returns false, with the problem in one line, when it cannot be made, and
// then changes nothing.
#include "app/levels/packlist.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class MyLevels {
public:
    struct Level {
        std::string file;  // its name in the folder: "level-3.txt"
        std::string path;  // the folder and the file: what the game plays
        std::string name;  // the player's name for it; empty when it has none
        uint64_t hash = 0; // of the file's bytes (app/replay/replayfile.h: LevelHash)
        int parLoops = 0;  // 0: no par
        int parTime = 0;   // ms; 0: no par
    };

    // The id and title of My levels' own pack.xml.
    static constexpr const char* kId = "my-levels";
    static constexpr const char* kTitle = "My levels";

    explicit MyLevels(std::string folder) : folder_(std::move(folder)) {}
    // The player's levels folder; empty when neither XDG_DATA_HOME nor HOME is set.
    static std::string DefaultFolder();
    const std::string& Folder() const { return folder_; }
    // The folder's pack.xml: a level list of the levels in their order, which plays as
    // kolm::CLevelList(ListFile(), kolm::CLevelList::Names::kInListFolder).
    std::string ListFile() const { return folder_ + "/pack.xml"; }

    // The levels, in their order.
    std::vector<Level> List() const;
    // Writes pack.xml anew when it does not list the levels as List() does (a level file put
    // into the folder or taken out of it by hand), so that it plays as listed.
    bool Tidy(std::string& problem) const;

    // A new level at the end of the list, under a file name no level has had: its file in file.
    bool Add(const std::string& name, const std::string& text, std::string& file, std::string& problem);
    // A new level at the end holding the same bytes as the level file, named name.
    bool Copy(const std::string& file, const std::string& name, std::string& copy, std::string& problem);
    // Gives the level a new name (empty: none).
    bool Rename(const std::string& file, const std::string& name, std::string& problem);
    // Sets the level's par (0 and 0: none).
    bool SetPar(const std::string& file, int parLoops, int parTime, std::string& problem);
    // Replaces the level file's text (at most 64 KB, so that it can be shared as a code).
    bool Save(const std::string& file, const std::string& text, std::string& problem);
    // Removes the level file and its entry.
    bool Delete(const std::string& file, std::string& problem);

    // Writes the zip of a pack (app/levels/packarchive.h) made of the chosen levels in the order
    // given, with their names and par, and the pack's id, title, author, version and licence from
    // pack (its levels are not looked at).
    bool MakePack(const PackList& pack, const std::vector<std::string>& files, const std::string& zipPath,
                  std::string& problem) const;

private:
    // Changes pack.xml: change is handed the list as the file and the folder now hold it.
    bool ChangeList(const std::function<void(PackList&)>& change, std::string& problem) const;
    // Changes the file's entry of pack.xml.
    bool ChangeLevel(const std::string& file, const std::function<void(PackLevel&)>& change, std::string& problem) const;
    // The list of pack.xml's text, with the folder's level files it does not name after its own.
    PackList CurrentList(const std::string& listText) const;
    // Whether file names a level file of the folder; the problem when it does not.
    bool Holds(const std::string& file, std::string& problem) const;
    // A new, empty level file: its name in file.
    bool MakeFile(std::string& file, std::string& problem) const;

    std::string folder_;
};
