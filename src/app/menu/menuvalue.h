#pragma once
// The kinds of value a menu line may carry at its right end: a slider from 0 to 10, a switch
// (a tick box) and one item of a list between two arrows, and the kind that shows nothing. Each
// kind measures what it shows, steps its value left and right, says what taking its line and a
// click on it do, and draws itself in the menu's ink. The value itself stays in the line's
// Menu::Choice: a kind only reads it and says what it becomes.
#include "app/menu/menu.h"
#include "app/menu/menuink.h"

#include <optional>

class MenuValue {
public:
    virtual ~MenuValue() = default;

    // The width the value takes at the line's right end.
    virtual float Width(const Menu::Choice& choice) const = 0;
    // The value after a step left (-1) or right (1); the same value when it cannot move.
    virtual int Stepped(const Menu::Choice& choice, int direction) const = 0;
    // Whether taking the line steps the value right instead of reporting the line taken.
    virtual bool StepsWhenTaken() const = 0;
    // The value a click at x sets, for a value that starts at left; nothing when the click takes
    // the line instead.
    virtual std::optional<int> Clicked(const Menu::Choice& choice, float x, float left) const = 0;
    // Draws the value from left along the line whose letters stand on baseline.
    virtual void Draw(const Menu::Choice& choice, MenuInk& ink, float left, float baseline, float alpha) const = 0;
};

// The kind of value a line of the kind carries.
const MenuValue& MenuValueOf(Menu::ValueKind kind);
