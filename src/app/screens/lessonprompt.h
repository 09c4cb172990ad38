#pragma once
// What the lesson says at each of its steps, and its lettering at the top of the field, under the
// time slider: a title ("2 · Aim and fire"), a line or two that name the player's own keys or pad
// buttons on key caps, and under them, in grey, how to skip the lesson and how to pause. The keys
// are named as the device the player last used has them (app/control/inputnames.h), so the words
// change when the player picks up a pad. Once the step's deed is done a tick stands after the
// title until the next step. While a character is under it, the prompt fades to let it be seen.
#include "app/control/inputnames.h"
#include "app/play/hudfade.h"
#include "app/screens/lessoncoach.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>
#include <vector>

// A piece of a prompt's line: words, or the name of a key or button shown on a key cap.
struct PromptPiece {
    std::string text;
    bool key = false;
    bool operator==(const PromptPiece& other) const { return text == other.text && key == other.key; }
};
using PromptLine = std::vector<PromptPiece>;

struct PromptWords {
    std::string title;
    std::vector<PromptLine> lines;
    PromptLine footer;
    bool done = false; // the step's deed is done: the tick after the title
    bool operator==(const PromptWords& other) const
    {
        return title == other.title && lines == other.lines && footer == other.footer && done == other.done;
    }
};

// What the coach's step asks of the player, in the names of the device in use.
PromptWords LessonWords(const LessonCoach& coach, const InputNames& names);
// A line as plain text, its keys in brackets: "[W] [A] [S] [D] or the arrows: walk about".
std::string PlainText(const PromptLine& line);

class LessonPrompt {
public:
    LessonPrompt() = default;
    LessonPrompt(const LessonPrompt&) = delete;
    LessonPrompt& operator=(const LessonPrompt&) = delete;

    // Letters the words anew when they differ from those shown; true when that changed them.
    bool Show(const PromptWords& words);
    const PromptWords& Shown() const { return shown_; }
    // Fades while a character lies under the prompt, as the time slider does (the field's step of
    // dt ms); true when that changed it.
    bool GiveWay(const Gameplay& field, uint32_t dt);
    // Where the prompt lies on the picture.
    const rect& Area() const { return area_; }
    void Draw() { sprites_.Draw(); }

private:
    // Letters a line centred on the baseline, key caps and words in turn; its width.
    float Letter(const PromptLine& line, float baseline, bool grey);
    void Fade();

    CSpriteContainer sprites_;
    PromptWords shown_;
    rect area_;
    HudFade fade_;
};
