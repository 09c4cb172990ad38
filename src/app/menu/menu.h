#pragma once
// A menu of the game: a title over a vertical list of choices on a torn paper card, lettered in
// the large glyphs, with a red arrow in the card's margin marking the chosen line. It draws
// through its own sprite container and reports what the player did rather than acting on it:
// the screen that owns it decides what a taken choice means.
//
// A choice is a label, and may carry a value shown at the line's right end that left and right
// change: a number from 0 to 10 on a slider (stopping at the ends; a volume), a switch (a tick
// box; left, right and taking it all flip it) or one item of a list (stepping round the list, or
// for a scale stopping at its ends; taking the line steps on too). Taking a slider's line
// reports it taken. A choice may also show
// a small note and a badge at its right end (a padlock, a tick or a star), and may be disabled:
// drawn faded, skipped by the keys and never taken.
//
// Each kind of value measures, steps, takes clicks and draws itself (app/menu/menuvalue.h).
//
// Input: the keyboard (up/down or w/s move, left/right or a/d change a value, Return, Enter or
// space take, Escape goes back), the mouse (its moves mark, a left click takes, the wheel moves),
// and a pad: the d-pad and the left stick (axes 0 and 1, past a quarter of full scale) move and
// change once per push, never repeating while held, the face button nearest the player (A on an
// Xbox pad) and Start take, the one right of it (B) and Back go back.
// The mark moves round from the last line to the first and back. A list longer than
// kVisibleLines lines scrolls to keep the chosen line in view, with small arrows on the card
// saying there is more above or below.
//
// A move or a changed value plays data/sfx/menu_move.wav, a taken choice and going back play
// data/sfx/menu_take.wav, through the effect bank (so at the effects' volume).
//
// A screen keeps a Menu while it shows, hands it the events, acts on the events it returns
// (Event::choice names the line; for kChanged, Event::value is the line's new value, which the
// menu already shows), and draws it after whatever lies under it.
#include "app/menu/menuinput.h"
#include "app/menu/menuink.h"

#include "engine/input/gameevent.h"

#include <string>
#include <vector>

class Menu {
public:
    static constexpr int kVisibleLines = 7;

    enum class ValueKind { kNone, kSlider, kSwitch, kList };
    enum class Badge { kNone, kPadlock, kTick, kStar, kMedal, kMedals };

    struct Choice {
        std::string label;
        ValueKind kind = ValueKind::kNone;
        int value = 0;                  // the slider (0 to 10), the switch (0 off, 1 on) or the list's index
        std::vector<std::string> items; // the list's items
        bool scale = false;             // the list is a scale, least to most: stepping stops at its ends
        std::string note;               // small text at the right end ("3 loops · best 2"), left off
                                        // when it would run into the label
        Badge badge = Badge::kNone;
        bool enabled = true;
    };

    struct Event {
        enum class Kind { kNothing, kMoved, kTaken, kChanged, kBack };
        Kind kind = Kind::kNothing;
        int choice = -1; // the line moved to, taken or changed; for kBack the marked line
        int value = 0;   // a changed line's new value
    };

    // The card is centred on the point (in the 1280 x 720 virtual screen). The first enabled
    // choice is marked.
    Menu(const std::string& title, const std::vector<Choice>& choices,
         const vector2& centre = vector2(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f));
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Keys, pad events and the mouse, at the point of the picture it is over.
    Event HandleEvent(const GameEvent& event);
    // The pointer, in virtual units: hovering over an enabled line marks it; a left click takes
    // it (or, over a line's value, changes the value: the slider's notch under the pointer, the
    // switch flipped, the list stepped back or on by the arrow clicked). A click on the card's
    // scroll arrows moves the mark as up or down would.
    Event PointerMoved(const vector2& point);
    Event PointerPressed(const vector2& point);

    // The marked line (-1 when no line is enabled), and marking one (an enabled line) directly.
    int Chosen() const { return chosen_; }
    void Choose(int index);
    const Choice& ChoiceAt(int index) const { return choices_.at(static_cast<std::size_t>(index)); }
    int Count() const { return static_cast<int>(choices_.size()); }
    // Replaces a choice (its value, note, badge or whether it is enabled).
    void SetChoice(int index, const Choice& choice);
    // Replaces every choice (a list filtered anew); the mark stays on its line while there is one.
    void SetChoices(const std::vector<Choice>& choices);
    // Replaces the title (the card's words lettered in another language).
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }
    // How wide the line's label may be lettered before it meets its note or its value's picture.
    float LabelRoom(int index) const;
    // Fades the whole menu (1 opaque).
    void SetAlpha(float alpha);

    // Where the card lies, and where line index lies on it (an empty box while scrolled away).
    rect CardBox() const;
    rect LineBox(int index) const;

    void Draw() { ink_.Draw(); }

private:
    int NextEnabled(int from, int direction) const;
    Event Act(MenuCommand command);
    Event Step(int direction);
    Event Change(int direction);
    Event Take();
    Event ChangeTo(int value);
    Event Report(Event event);
    Event ClickValue(int index, const vector2& point);
    int LineAt(const vector2& point) const;
    int ScrollArrowAt(const vector2& point) const;
    void ScrollToChosen();
    void Rebuild();
    void LetterLine(int index, float top);
    float ValueLeft(int index) const;

    std::string title_;
    std::vector<Choice> choices_;
    vector2 centre_;
    int chosen_ = -1;
    int firstVisible_ = 0;
    float alpha_ = 1.0f;
    MenuStick stick_;
    MenuInk ink_;
};
