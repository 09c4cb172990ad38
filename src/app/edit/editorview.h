#pragma once
// What the editor draws over the field. Along the bottom, the level's timeline: a line for its
// length, each event a mark drawn as its robot (an arrow's mark says "x5"), stacked where marks
// crowd, the marked event tinted red, and the cursor, a red stroke across the line. Down the left
// edge, the palette: what can be placed, each robot with the digit key that places it. In the top
// right corner, under the time bar, the words (the level's name, the time at the cursor, the
// length, the snap) and the bot's figures; over the timeline, the editor's keys; in the middle, a
// note when there is one.
#include "app/edit/leveldraft.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>
#include <string>
#include <vector>

class EditorView {
public:
    struct View {
        const LevelDraft* draft = nullptr;
        int32_t cursor = 0;
        int selected = -1; // the marked event, -1 for none
        std::string words;   // the level and the cursor
        std::string figures; // the bot's check
        std::string hint[2]; // the keys, in two lines
        std::string note;
    };

    EditorView();
    EditorView(const EditorView&) = delete;
    EditorView& operator=(const EditorView&) = delete;

    void Show(const View& view);
    void Draw() { sprites_.Draw(); }

    // Where a time of a level of the length lies along the timeline, and the time at x.
    static float XOf(int32_t time, int32_t length);
    static int32_t TimeAtX(float x, int32_t length);
    // Whether a press at the point takes the timeline.
    static bool OnTimeline(const vector2& point);
    // The event whose mark lies under the point (-1: none), and the palette's kind (-1: none).
    int EventAt(const vector2& point) const;
    static int PaletteAt(const vector2& point);

private:
    struct Mark {
        CSprite* picture;
        LetteredText count; // "x5" by an arrow
        vector2 centre;
    };
    void MakePalette();
    void MakeMarks(const LevelDraft& draft);
    void ClearMarks();

    CSpriteContainer sprites_;
    CSprite* line_;
    CSprite* cursor_ = nullptr;
    std::vector<Mark> marks_;
    LevelDraft shownDraft_;
    bool marksMade_ = false;
    LetteredLine words_;
    LetteredLine figures_;
    LetteredLine hint_[2];
    LetteredLine note_;
};
