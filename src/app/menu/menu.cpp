#include "app/menu/menu.h"

#include "app/menu/menuvalue.h"
#include "app/text/lettering.h"
#include "audio/soundbank.h"
#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>

namespace {

using datafiles::GlyphSize;
using Kind = Menu::Event::Kind;

constexpr float kHalfPi = 1.57079632679f;
// Across a line of the card (from the card's left edge): where the label starts, and where the
// line's right end is, up to which badges, notes and values are set.
constexpr float kLabelLeft = datafiles::kMenuCardMargin + 18.0f;
constexpr float kLineRight = datafiles::kMenuCardPaperRight - 26.0f;
// The mark's tip stops this far short of the margin line.
constexpr float kMarkGap = 4.0f;
constexpr float kGap = MenuInk::kGap;
constexpr float kFadedAlpha = 0.4f;

const char* BadgePicture(Menu::Badge badge)
{
    switch (badge) {
    case Menu::Badge::kPadlock:
        return datafiles::kMenuPadlock;
    case Menu::Badge::kTick:
        return datafiles::kMenuTick;
    case Menu::Badge::kStar:
        return datafiles::kMenuStar;
    case Menu::Badge::kMedal:
        return datafiles::kMenuMedal;
    case Menu::Badge::kMedals:
        return datafiles::kMenuMedals;
    case Menu::Badge::kNone:
        break;
    }
    return nullptr;
}

// The scroll arrows sit at the line's right end, in the top piece below the title's room (-1)
// and in the bottom piece (1); a click within kArrowReach of one counts.
constexpr float kArrowReach = 20.0f;

float ScrollArrowY(const rect& card, int direction)
{
    return direction < 0 ? card.y + datafiles::kMenuCardTopHeight - 14.0f
                         : card.y + card.h - datafiles::kMenuCardBottomHeight + 12.0f;
}

bool Inside(const rect& box, const vector2& point)
{
    return point.x >= box.x && point.x < box.x + box.w && point.y >= box.y && point.y < box.y + box.h;
}

} // namespace

Menu::Menu(const std::string& title, const std::vector<Choice>& choices, const vector2& centre)
    : title_(title), choices_(choices), centre_(centre)
{
    chosen_ = NextEnabled(-1, 1);
    ScrollToChosen();
    Rebuild();
}

Menu::Event Menu::HandleEvent(const GameEvent& event)
{
    switch (event.type) {
    case GameEvent::Type::kKeyDown:
        return Act(KeyCommand(event.key));
    case GameEvent::Type::kMouseMotion:
        return PointerMoved(vector2(static_cast<float>(event.x), static_cast<float>(event.y)));
    case GameEvent::Type::kMouseDown:
        if (event.button == GameEvent::kLeftButton)
            return PointerPressed(vector2(static_cast<float>(event.x), static_cast<float>(event.y)));
        return {};
    case GameEvent::Type::kMouseWheel:
        return Step(event.y > 0 ? -1 : 1);
    case GameEvent::Type::kPadAxis:
        return Act(stick_.Moved(event.axis, event.value));
    case GameEvent::Type::kPadDown:
        return Act(PadButtonCommand(event.button));
    default:
        return {};
    }
}

Menu::Event Menu::Act(MenuCommand command)
{
    switch (command) {
    case MenuCommand::kUp:
        return Step(-1);
    case MenuCommand::kDown:
        return Step(1);
    case MenuCommand::kLeft:
        return Change(-1);
    case MenuCommand::kRight:
        return Change(1);
    case MenuCommand::kTake:
        return Take();
    case MenuCommand::kBack:
        return Report({Kind::kBack, chosen_, 0});
    case MenuCommand::kNothing:
        break;
    }
    return {};
}

Menu::Event Menu::PointerMoved(const vector2& point)
{
    const int line = LineAt(point);
    if (line < 0 || line == chosen_ || !choices_[static_cast<std::size_t>(line)].enabled)
        return {};
    chosen_ = line;
    Rebuild();
    return Report({Kind::kMoved, chosen_, 0});
}

Menu::Event Menu::PointerPressed(const vector2& point)
{
    const int arrow = ScrollArrowAt(point);
    if (arrow != 0)
        return Step(arrow);
    const int line = LineAt(point);
    if (line < 0 || !choices_[static_cast<std::size_t>(line)].enabled)
        return {};
    if (line != chosen_) {
        chosen_ = line;
        Rebuild();
    }
    return ClickValue(line, point);
}

void Menu::Choose(int index)
{
    if (index < 0 || index >= Count() || !choices_[static_cast<std::size_t>(index)].enabled)
        return;
    chosen_ = index;
    ScrollToChosen();
    Rebuild();
}

void Menu::SetChoice(int index, const Choice& choice)
{
    choices_.at(static_cast<std::size_t>(index)) = choice;
    if (chosen_ < 0 || (index == chosen_ && !choice.enabled)) {
        chosen_ = NextEnabled(index, 1);
        ScrollToChosen();
    }
    Rebuild();
}

void Menu::SetChoices(const std::vector<Choice>& choices)
{
    choices_ = choices;
    const int kept = std::min(chosen_, Count() - 1);
    chosen_ = kept >= 0 && choices_[static_cast<std::size_t>(kept)].enabled ? kept : NextEnabled(-1, 1);
    firstVisible_ = 0;
    ScrollToChosen();
    Rebuild();
}

void Menu::SetTitle(const std::string& title)
{
    title_ = title;
    Rebuild();
}

void Menu::SetAlpha(float alpha)
{
    alpha_ = Clamp(alpha, 0.0f, 1.0f);
    Rebuild();
}

rect Menu::CardBox() const
{
    const int lines = std::min(Count(), kVisibleLines);
    const float height = static_cast<float>(datafiles::kMenuCardTopHeight + lines * datafiles::kMenuCardBandHeight +
                                            datafiles::kMenuCardBottomHeight);
    const float width = static_cast<float>(datafiles::kMenuCardWidth);
    return rect(std::round(centre_.x - width * 0.5f), std::round(centre_.y - height * 0.5f), width, height);
}

rect Menu::LineBox(int index) const
{
    const int slot = index - firstVisible_;
    if (index < 0 || index >= Count() || slot < 0 || slot >= kVisibleLines)
        return rect();
    const rect card = CardBox();
    const float top =
        card.y + static_cast<float>(datafiles::kMenuCardTopHeight + slot * datafiles::kMenuCardBandHeight);
    return rect(card.x + datafiles::kMenuCardPaperLeft, top,
                static_cast<float>(datafiles::kMenuCardPaperRight - datafiles::kMenuCardPaperLeft),
                static_cast<float>(datafiles::kMenuCardBandHeight));
}

// The first enabled line after from in the direction, going round past the ends (from itself
// last); -1 when none is enabled.
int Menu::NextEnabled(int from, int direction) const
{
    for (int i = 1; i <= Count(); ++i) {
        const int next = ((from + direction * i) % Count() + Count()) % Count();
        if (choices_[static_cast<std::size_t>(next)].enabled)
            return next;
    }
    return -1;
}

Menu::Event Menu::Step(int direction)
{
    if (chosen_ < 0)
        return {};
    const int next = NextEnabled(chosen_, direction);
    if (next == chosen_)
        return {};
    chosen_ = next;
    ScrollToChosen();
    Rebuild();
    return Report({Kind::kMoved, chosen_, 0});
}

Menu::Event Menu::Change(int direction)
{
    if (chosen_ < 0)
        return {};
    const Choice& choice = choices_[static_cast<std::size_t>(chosen_)];
    return ChangeTo(MenuValueOf(choice.kind).Stepped(choice, direction));
}

Menu::Event Menu::Take()
{
    if (chosen_ < 0)
        return {};
    if (MenuValueOf(choices_[static_cast<std::size_t>(chosen_)].kind).StepsWhenTaken())
        return Change(1);
    return Report({Kind::kTaken, chosen_, 0});
}

Menu::Event Menu::ChangeTo(int value)
{
    Choice& choice = choices_[static_cast<std::size_t>(chosen_)];
    if (value == choice.value)
        return {};
    choice.value = value;
    Rebuild();
    return Report({Kind::kChanged, chosen_, value});
}

Menu::Event Menu::Report(Event event)
{
    PlaySound(event.kind == Kind::kTaken || event.kind == Kind::kBack ? datafiles::kMenuTakeSound
                                                                       : datafiles::kMenuMoveSound);
    return event;
}

// A click on the line: on its value, what the value's kind makes of it; elsewhere it takes the line.
Menu::Event Menu::ClickValue(int index, const vector2& point)
{
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    const std::optional<int> value = MenuValueOf(choice.kind).Clicked(choice, point.x, ValueLeft(index));
    return value ? ChangeTo(*value) : Take();
}

int Menu::LineAt(const vector2& point) const
{
    for (int i = firstVisible_; i < Count() && i < firstVisible_ + kVisibleLines; ++i) {
        if (Inside(LineBox(i), point))
            return i;
    }
    return -1;
}

// -1 for the arrow saying there is more above, 1 for the one below, 0 for neither.
int Menu::ScrollArrowAt(const vector2& point) const
{
    const rect card = CardBox();
    if (std::fabs(point.x - (card.x + kLineRight)) >= kArrowReach)
        return 0;
    if (firstVisible_ > 0 && std::fabs(point.y - ScrollArrowY(card, -1)) < kArrowReach)
        return -1;
    if (firstVisible_ + kVisibleLines < Count() && std::fabs(point.y - ScrollArrowY(card, 1)) < kArrowReach)
        return 1;
    return 0;
}

void Menu::ScrollToChosen()
{
    if (chosen_ < 0)
        return;
    firstVisible_ = std::clamp(firstVisible_, chosen_ - kVisibleLines + 1, chosen_);
    firstVisible_ = std::clamp(firstVisible_, 0, std::max(0, Count() - kVisibleLines));
}

// The card's pieces, the title, every line in view, the mark and the scroll arrows, laid anew.
void Menu::Rebuild()
{
    ink_.Clear();
    const rect card = CardBox();
    float top = card.y;
    ink_.Place(datafiles::kMenuCardTop, card.x, top + datafiles::kMenuCardTopHeight * 0.5f, alpha_);
    top += datafiles::kMenuCardTopHeight;
    const int lines = std::min(Count(), kVisibleLines);
    for (int slot = 0; slot < lines; ++slot) {
        const float middle = top + (slot + 0.5f) * datafiles::kMenuCardBandHeight;
        ink_.Place(datafiles::MenuCardBand(slot % datafiles::kMenuCardBands + 1), card.x, middle, alpha_);
    }
    top += static_cast<float>(lines * datafiles::kMenuCardBandHeight);
    ink_.Place(datafiles::kMenuCardBottom, card.x, top + datafiles::kMenuCardBottomHeight * 0.5f, alpha_);
    ink_.Write(title_, vector2(card.x + card.w * 0.5f, card.y + datafiles::kMenuCardTitleBaseline), GlyphSize::kLarge,
               TextAlign::kCentre, alpha_);
    for (int slot = 0; slot < lines; ++slot)
        LetterLine(firstVisible_ + slot, LineBox(firstVisible_ + slot).y);
    if (chosen_ >= 0) {
        const float middle = MenuInk::CapMiddle(LineBox(chosen_).y + datafiles::kMenuCardLineBaseline);
        CSprite* mark = ink_.Place(datafiles::kMenuMark, 0.0f, middle, alpha_);
        mark->x = card.x + datafiles::kMenuCardMargin - kMarkGap - mark->width;
    }
    const float arrowX = card.x + kLineRight - MenuInk::PictureWidth(datafiles::kMenuArrowRight) * 0.5f;
    if (firstVisible_ > 0)
        ink_.Place(datafiles::kMenuArrowRight, arrowX, ScrollArrowY(card, -1), alpha_)->angle = -kHalfPi;
    if (firstVisible_ + kVisibleLines < Count())
        ink_.Place(datafiles::kMenuArrowRight, arrowX, ScrollArrowY(card, 1), alpha_)->angle = kHalfPi;
}

void Menu::LetterLine(int index, float top)
{
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    const rect card = CardBox();
    const float baseline = top + datafiles::kMenuCardLineBaseline;
    const float alpha = alpha_ * (choice.enabled ? 1.0f : kFadedAlpha);
    ink_.Write(choice.label, vector2(card.x + kLabelLeft, baseline), GlyphSize::kLarge, TextAlign::kLeft, alpha);
    if (const char* badge = BadgePicture(choice.badge))
        ink_.Place(badge, card.x + kLineRight - MenuInk::PictureWidth(badge), MenuInk::CapMiddle(baseline), alpha_);
    const float valueLeft = ValueLeft(index);
    MenuValueOf(choice.kind).Draw(choice, ink_, valueLeft, baseline, alpha);
    const float noteRight = choice.kind != ValueKind::kNone ? valueLeft - 2.0f * kGap : valueLeft;
    // A note that would run into a long label is left off the line (the card may say it elsewhere).
    const float labelRight = card.x + kLabelLeft + Lettering::Width(choice.label, GlyphSize::kLarge);
    if (!choice.note.empty() && noteRight - Lettering::Width(choice.note, GlyphSize::kSmall) >= labelRight + kGap)
        ink_.Write(choice.note, vector2(noteRight, baseline), GlyphSize::kSmall, TextAlign::kRight, alpha);
}

float Menu::LabelRoom(int index) const
{
    const Choice& choice = choices_.at(static_cast<std::size_t>(index));
    const float valueLeft = ValueLeft(index);
    // A label may reach a value's ink, which its picture draws a few pixels in.
    constexpr float kValueMargin = 3.0f;
    const float right = choice.note.empty()
                            ? valueLeft + kValueMargin
                            : valueLeft - 2.0f * kGap - Lettering::Width(choice.note, GlyphSize::kSmall) - kGap;
    return right - (CardBox().x + kLabelLeft);
}

// Where a line's value starts: right of it only the badge, if any. A line without a value gets
// the place its note ends at.
float Menu::ValueLeft(int index) const
{
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    float right = CardBox().x + kLineRight;
    if (const char* badge = BadgePicture(choice.badge))
        right -= MenuInk::PictureWidth(badge) + kGap;
    return right - MenuValueOf(choice.kind).Width(choice);
}
