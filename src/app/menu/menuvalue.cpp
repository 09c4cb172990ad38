#include "app/menu/menuvalue.h"

#include <algorithm>
#include <cmath>

namespace {

using datafiles::GlyphSize;
constexpr float kGap = MenuInk::kGap;

// A line with nothing at its right end: taking it reports it taken.
class NoValue : public MenuValue {
public:
    float Width(const Menu::Choice&) const override { return 0.0f; }
    int Stepped(const Menu::Choice& choice, int) const override { return choice.value; }
    bool StepsWhenTaken() const override { return false; }
    std::optional<int> Clicked(const Menu::Choice&, float, float) const override { return std::nullopt; }
    void Draw(const Menu::Choice&, MenuInk&, float, float, float) const override {}
};

// A number from 0 to 10 on a bar with a knob at its notch; it stops at the ends (a volume). A
// click on the bar, or just left of it, sets the nearest notch.
class SliderValue : public MenuValue {
public:
    float Width(const Menu::Choice&) const override { return MenuInk::PictureWidth(datafiles::kMenuSlider); }

    int Stepped(const Menu::Choice& choice, int direction) const override
    {
        return std::clamp(choice.value + direction, 0, kTop);
    }

    bool StepsWhenTaken() const override { return false; }

    std::optional<int> Clicked(const Menu::Choice&, float x, float left) const override
    {
        if (x < left - kGap)
            return std::nullopt;
        const float notch = (x - left - static_cast<float>(datafiles::kMenuSliderFirstNotch)) /
                            static_cast<float>(datafiles::kMenuSliderNotchStep);
        return std::clamp(static_cast<int>(std::lround(notch)), 0, kTop);
    }

    void Draw(const Menu::Choice& choice, MenuInk& ink, float left, float baseline, float alpha) const override
    {
        const float middle = MenuInk::CapMiddle(baseline);
        ink.Place(datafiles::kMenuSlider, left, middle, alpha);
        CSprite* knob = ink.Place(datafiles::kMenuSliderKnob, 0.0f, middle, alpha);
        const int notch = datafiles::kMenuSliderFirstNotch + choice.value * datafiles::kMenuSliderNotchStep;
        knob->x = left + std::round(static_cast<float>(notch) - knob->width * 0.5f);
    }

private:
    static constexpr int kTop = 10;
};

// Off (0) or on (1): a box, ticked when on. Left, right, taking the line and a click all flip it.
class SwitchValue : public MenuValue {
public:
    float Width(const Menu::Choice&) const override { return MenuInk::PictureWidth(datafiles::kMenuBox); }
    int Stepped(const Menu::Choice& choice, int) const override { return 1 - choice.value; }
    bool StepsWhenTaken() const override { return true; }
    std::optional<int> Clicked(const Menu::Choice&, float, float) const override { return std::nullopt; }

    void Draw(const Menu::Choice& choice, MenuInk& ink, float left, float baseline, float alpha) const override
    {
        const float middle = MenuInk::CapMiddle(baseline);
        ink.Place(datafiles::kMenuBox, left, middle, alpha);
        if (choice.value == 0)
            return;
        // The tick overshoots its box a little up and to the right, as a quick hand's does.
        CSprite* tick = ink.Place(datafiles::kMenuTick, 0.0f, middle - 3.0f, alpha);
        tick->x = std::round(left + (MenuInk::PictureWidth(datafiles::kMenuBox) - tick->width) * 0.5f + 3.0f);
    }
};

// One item of the list, centred between a left and a right arrow set as far apart as the widest
// item needs. Stepping goes round the list (a scale stops at its ends); taking the line steps on, and so does a click
// anywhere but on the left arrow, which steps back.
class ListValue : public MenuValue {
public:
    float Width(const Menu::Choice& choice) const override
    {
        float widest = 0.0f;
        for (const std::string& item : choice.items)
            widest = std::max(widest, Lettering::Width(item, GlyphSize::kLarge));
        return 2.0f * (MenuInk::PictureWidth(datafiles::kMenuArrowLeft) + kGap) + widest;
    }

    int Stepped(const Menu::Choice& choice, int direction) const override
    {
        const int count = static_cast<int>(choice.items.size());
        if (choice.scale)
            return std::clamp(choice.value + direction, 0, std::max(count - 1, 0));
        return count > 0 ? ((choice.value + direction) % count + count) % count : choice.value;
    }

    bool StepsWhenTaken() const override { return true; }

    std::optional<int> Clicked(const Menu::Choice& choice, float x, float left) const override
    {
        if (x >= left - kGap && x < left + MenuInk::PictureWidth(datafiles::kMenuArrowLeft) + kGap * 0.5f)
            return Stepped(choice, -1);
        return std::nullopt;
    }

    void Draw(const Menu::Choice& choice, MenuInk& ink, float left, float baseline, float alpha) const override
    {
        const float middle = MenuInk::CapMiddle(baseline);
        const float right = left + Width(choice);
        ink.Place(datafiles::kMenuArrowLeft, left, middle, alpha);
        ink.Place(datafiles::kMenuArrowRight, right - MenuInk::PictureWidth(datafiles::kMenuArrowLeft), middle, alpha);
        const std::size_t item = static_cast<std::size_t>(choice.value);
        if (item < choice.items.size())
            ink.Write(choice.items[item], vector2((left + right) * 0.5f, baseline), GlyphSize::kLarge,
                      TextAlign::kCentre, alpha);
    }
};

} // namespace

const MenuValue& MenuValueOf(Menu::ValueKind kind)
{
    static const NoValue none;
    static const SliderValue slider;
    static const SwitchValue toggle;
    static const ListValue list;
    switch (kind) {
    case Menu::ValueKind::kSlider:
        return slider;
    case Menu::ValueKind::kSwitch:
        return toggle;
    case Menu::ValueKind::kList:
        return list;
    case Menu::ValueKind::kNone:
        break;
    }
    return none;
}
