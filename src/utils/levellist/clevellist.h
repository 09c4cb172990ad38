#pragma once
// The list of levels, read from "data/levels.xml": which level file comes next, and which
// levels were completed during this run (kept in memory only). Whoever plays the list owns one
// (the program, the headless game, the level check) and hands it to what needs it. The file is
// read when the list is first asked, not when it is made, so that its warnings come where the
// game first needs its levels.
//
// A level pack's pack.xml is such a list too (app/levels/packlist.h): its root and its levels
// carry attributes of their own (an id, a title, each level's name), which the list keeps as
// written for whoever asks and otherwise ignores, and its file names are meant from the pack's
// folder (Names::kInListFolder).

#include <map>
#include <string>
#include <vector>

namespace kolm {

class XmlNode;

class CLevelList {
public:
    struct LevelEntry {
        std::string filename;
        bool completed = false;
        // Every attribute of the level's tag, as written ("position", "filename", and what a
        // pack adds: "name", "par_loops", "par_time").
        std::map<std::string, std::string> attributes;
    };

    // How the file names of the list are taken: as written (from the data root, as the game's
    // own list means them), or from the folder that holds the list (a pack's).
    enum class Names { kAsWritten, kInListFolder };

    // The list of the named file (by default the game's own). A missing or unreadable file gives
    // an empty list; a list without levels is named in a line on standard error.
    explicit CLevelList(std::string fileName = std::string(), Names names = Names::kAsWritten);
    ~CLevelList();
    CLevelList(const CLevelList&) = delete;
    CLevelList& operator=(const CLevelList&) = delete;

    // Marks the level last handed out completed and moves on; the file name of the next level,
    // or empty text when the list has run out (or is empty).
    std::string NextLevelFile();
    // The file name at a position; empty text outside the list.
    std::string FileNameAt(int index) const;
    bool IsCompleted(int index) const;
    // Entries including the unused entry 0.
    int Count() const { return static_cast<int>(Levels().size()); }
    // Position of the level last handed out.
    int Current() const;
    int JumpTo() const;
    // Makes the next request hand out the level after position, as a "JumpTo" of that
    // position would (the player's "-continue" and "-level N").
    void StartAfter(int position);

    // Reads the list from text at once, in place of its file (a pack.xml still inside its zip),
    // without the line a list of no level gets: the caller judges what it holds. The file name
    // still places the levels of Names::kInListFolder.
    void ReadText(const std::string& text);
    // The attributes of the root tag, as written ("id", "title" and the rest of a pack's).
    const std::map<std::string, std::string>& ListAttributes() const;
    // The entry at a position; an empty entry outside the list.
    const LevelEntry& EntryAt(int index) const;

private:
    // The entries, the file read on the first call.
    const std::vector<LevelEntry>& Levels() const;
    void Load() const;
    void ReadRoot(XmlNode& root) const;
    void AddLevel(const XmlNode& level) const;
    // The file name as a level of this list means it.
    std::string Placed(const std::string& filename) const;
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

    std::string fileName_;
    Names names_;
    mutable bool read_ = false;
    mutable std::map<std::string, std::string> listAttributes_;
    mutable std::vector<LevelEntry> levels_;
    mutable int current_ = 0;
    mutable int jumpTo_ = 0;
};

} // namespace kolm
