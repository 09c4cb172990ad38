#pragma once
// The list of levels, read from "data/levels.xml": which level file comes next, and which
// levels were completed during this run (kept in memory only). Whoever plays the list owns one
// (the program, the headless game, the level check) and hands it to what needs it. The file is
// read when the list is first asked, not when it is made, so that its warnings come where the
// game first needs its levels.

#include <string>
#include <vector>

namespace kolm {

class XmlNode;

class CLevelList {
public:
    struct LevelEntry {
        std::string filename;
        bool completed = false;
    };

    // The list of the named file (by default the game's own). A missing or unreadable file gives
    // an empty list; a list without levels is named in a line on standard error.
    explicit CLevelList(std::string fileName = std::string());
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

private:
    // The entries, the file read on the first call.
    const std::vector<LevelEntry>& Levels() const;
    void Load() const;
    void ReadRoot(XmlNode& root) const;
    void AddLevel(const XmlNode& level) const;
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

    std::string fileName_;
    mutable bool read_ = false;
    mutable std::vector<LevelEntry> levels_;
    mutable int current_ = 0;
    mutable int jumpTo_ = 0;
};

} // namespace kolm
