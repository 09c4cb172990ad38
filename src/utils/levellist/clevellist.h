#pragma once
// The list of levels, read once from "data/levels.xml": which level file comes next, and which
// levels were completed during this run (kept in memory only).
#include "utils/singleton.h"

#include <string>
#include <vector>

namespace kolm {

class XmlNode;

class CLevelList : public CSingleton<CLevelList> {
public:
    struct LevelEntry {
        std::string filename;
        bool completed = false;
    };

    // Loads the list from the named file; a missing or unreadable file gives an empty list. A
    // list without levels is named in a line on standard error.
    explicit CLevelList(const std::string& fileName);
    ~CLevelList() override;

    // Marks the level last handed out completed and moves on; the file name of the next level,
    // or empty text when the list has run out (or is empty).
    std::string NextLevelFile();
    // The file name at a position; empty text outside the list.
    std::string FileNameAt(int index) const;
    bool IsCompleted(int index) const;
    // Entries including the unused entry 0.
    int Count() const { return static_cast<int>(levels_.size()); }
    // Position of the level last handed out.
    int Current() const { return current_; }
    int JumpTo() const { return jumpTo_; }
    // Makes the next request hand out the level after position, as a "JumpTo" of that
    // position would (the player's "-continue" and "-level N").
    void StartAfter(int position) { current_ = position; }

private:
    friend class CSingleton<CLevelList>;
    CLevelList();

    void Load(const std::string& fileName);
    void ReadRoot(XmlNode& root);
    void AddLevel(const XmlNode& level);
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }

    std::vector<LevelEntry> levels_;
    int current_ = 0;
    int jumpTo_ = 0;
};

} // namespace kolm
