#pragma once
// What the level-cleared banner adds outside "-classic": under the banner, the level's name
// ("level 3 · Crossfire") when its list gives one, "3 loops · best 2" and "time 0:42.50 · best
// 0:40.10", each with a star when this clear set a new record, and a line with a star for each
// medal the clear earned ("loops medal · par 2", "time medal · par 1:20.10"), lettered in
// ink on a scrap of the banner's paper (no robot drives over bare text) and faded in and out with
// the banner.
#include "app/text/lettering.h"
#include "app/profile/records.h"

#include <cstdint>
#include <string>
#include <vector>

class ClearNote {
public:
    explicit ClearNote(CSpriteContainer& sprites) : sprites_(sprites) {}
    ClearNote(const ClearNote&) = delete;
    ClearNote& operator=(const ClearNote&) = delete;

    // Shows the note of a clear at the banner's alpha (lettered anew when the clear differs from
    // the one shown); nullptr takes it away. True when this changed what is drawn.
    bool Show(const ClearReport* clear, float alpha);

    // The note's lines for a clear, top to bottom, each with whether it tells of a new record.
    struct Line {
        std::string text;
        bool newRecord;
    };
    static std::vector<Line> Lines(const ClearReport& clear);
    // The paper the lines are on (null while no note shows).
    const CSprite* Paper() const { return paper_; }

private:
    struct Shown {
        LetteredText text;
        CSprite* star; // nullptr without a new record
    };

    void Letter(const ClearReport& clear);
    void LayPaper(float widest, float lastBaseline);
    void Remove();

    CSpriteContainer& sprites_;
    CSprite* paper_ = nullptr; // under the lines
    std::vector<Shown> shown_;
    ClearReport clear_;
    float alpha_ = 0.0f;
};

