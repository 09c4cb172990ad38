#include "app/menu/menu.h"

#include "audio/soundbank.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "engine/render/texturecache.h"
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
// The mark's tip stops this far short of the margin line; the gaps between the things at a
// line's right end.
constexpr float kMarkGap = 4.0f;
constexpr float kGap = 12.0f;
constexpr float kFadedAlpha = 0.4f;
// A pad's stick counts as pushed past a quarter of its travel, as in play.
constexpr int kStickPush = 32768 / 4;
constexpr int kSliderTop = 10;

float PictureWidth(const std::string& picture)
{
    const TextureEntry* entry = GetTexture(picture);
    return entry ? static_cast<float>(entry->width) : 0.0f;
}

float CapMiddle(float baseline)
{
    return baseline - static_cast<float>(datafiles::GlyphMetricsOf(GlyphSize::kLarge).capHeight) * 0.5f;
}

const char* BadgePicture(Menu::Badge badge)
{
    switch (badge) {
    case Menu::Badge::kPadlock:
        return datafiles::kMenuPadlock;
    case Menu::Badge::kTick:
        return datafiles::kMenuTick;
    case Menu::Badge::kStar:
        return datafiles::kMenuStar;
    case Menu::Badge::kNone:
        break;
    }
    return nullptr;
}

float WidestItem(const Menu::Choice& choice)
{
    float widest = 0.0f;
    for (const std::string& item : choice.items)
        widest = std::max(widest, Lettering::Width(item, GlyphSize::kLarge));
    return widest;
}

// The width of what a value shows at the line's right end.
float ValueWidth(const Menu::Choice& choice)
{
    switch (choice.kind) {
    case Menu::ValueKind::kSlider:
        return PictureWidth(datafiles::kMenuSlider);
    case Menu::ValueKind::kSwitch:
        return PictureWidth(datafiles::kMenuBox);
    case Menu::ValueKind::kList:
        return 2.0f * (PictureWidth(datafiles::kMenuArrowLeft) + kGap) + WidestItem(choice);
    case Menu::ValueKind::kNone:
        break;
    }
    return 0.0f;
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
        return HandleKey(event.key);
    case GameEvent::Type::kMouseMotion:
        return PointerMoved(vector2(static_cast<float>(event.x), static_cast<float>(event.y)));
    case GameEvent::Type::kMouseDown:
        if (event.button == GameEvent::kLeftButton)
            return PointerPressed(vector2(static_cast<float>(event.x), static_cast<float>(event.y)));
        return {};
    case GameEvent::Type::kMouseWheel:
        return Step(event.y > 0 ? -1 : 1);
    case GameEvent::Type::kPadAxis:
        return PadAxis(event.axis, event.value);
    case GameEvent::Type::kPadDown:
        return PadButton(event.button);
    default:
        return {};
    }
}

Menu::Event Menu::HandleKey(int32_t key)
{
    using namespace gamekeys;
    switch (key) {
    case kUp:
    case kW:
        return Step(-1);
    case kDown:
    case kS:
        return Step(1);
    case kLeft:
    case kA:
        return Change(-1);
    case kRight:
    case kD:
        return Change(1);
    case kReturn:
    case kKeypadEnter:
    case kSpace:
        return Take();
    case kEscape:
        return Report({Kind::kBack, chosen_, 0});
    default:
        return {};
    }
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
    switch (choice.kind) {
    case ValueKind::kSlider:
        return ChangeTo(std::clamp(choice.value + direction, 0, kSliderTop));
    case ValueKind::kSwitch:
        return ChangeTo(1 - choice.value);
    case ValueKind::kList: {
        const int count = static_cast<int>(choice.items.size());
        return count > 0 ? ChangeTo(((choice.value + direction) % count + count) % count) : Event();
    }
    case ValueKind::kNone:
        break;
    }
    return {};
}

Menu::Event Menu::Take()
{
    if (chosen_ < 0)
        return {};
    const ValueKind kind = choices_[static_cast<std::size_t>(chosen_)].kind;
    if (kind == ValueKind::kSwitch || kind == ValueKind::kList)
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

Menu::Event Menu::PadAxis(int axis, int value)
{
    if (axis < 0 || axis > 1)
        return {};
    const int push = value > kStickPush ? 1 : value < -kStickPush ? -1 : 0;
    if (push == stickPush_[axis])
        return {};
    stickPush_[axis] = push;
    if (push == 0)
        return {};
    return axis == 1 ? Step(push) : Change(push);
}

// The face button nearest the player and Start take a line, the one to its right and Back go
// back, the d-pad moves as the arrow keys do.
Menu::Event Menu::PadButton(int32_t button)
{
    switch (button) {
    case pads::kSouth:
    case pads::kStart:
        return Take();
    case pads::kEast:
    case pads::kBack:
        return Report({Kind::kBack, chosen_, 0});
    case pads::kDpadUp:
        return Step(-1);
    case pads::kDpadDown:
        return Step(1);
    case pads::kDpadLeft:
        return Change(-1);
    case pads::kDpadRight:
        return Change(1);
    default:
        return {};
    }
}

Menu::Event Menu::ClickValue(int index, const vector2& point)
{
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    const float left = ValueLeft(index);
    if (choice.kind == ValueKind::kSlider && point.x >= left - kGap) {
        const float notch = (point.x - left - static_cast<float>(datafiles::kMenuSliderFirstNotch)) /
                            static_cast<float>(datafiles::kMenuSliderNotchStep);
        return ChangeTo(std::clamp(static_cast<int>(std::lround(notch)), 0, kSliderTop));
    }
    if (choice.kind == ValueKind::kList && point.x >= left - kGap &&
        point.x < left + PictureWidth(datafiles::kMenuArrowLeft) + kGap * 0.5f)
        return Change(-1);
    return Take();
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
    sprites_.Clear();
    const rect card = CardBox();
    float top = card.y;
    Place(datafiles::kMenuCardTop, card.x, top + datafiles::kMenuCardTopHeight * 0.5f, alpha_);
    top += datafiles::kMenuCardTopHeight;
    const int lines = std::min(Count(), kVisibleLines);
    for (int slot = 0; slot < lines; ++slot) {
        const float middle = top + (slot + 0.5f) * datafiles::kMenuCardBandHeight;
        Place(datafiles::MenuCardBand(slot % datafiles::kMenuCardBands + 1), card.x, middle, alpha_);
    }
    top += static_cast<float>(lines * datafiles::kMenuCardBandHeight);
    Place(datafiles::kMenuCardBottom, card.x, top + datafiles::kMenuCardBottomHeight * 0.5f, alpha_);
    lettering_
        .Write(title_, vector2(card.x + card.w * 0.5f, card.y + datafiles::kMenuCardTitleBaseline), GlyphSize::kLarge,
               TextAlign::kCentre)
        .SetAlpha(alpha_);
    for (int slot = 0; slot < lines; ++slot)
        LetterLine(firstVisible_ + slot, LineBox(firstVisible_ + slot).y);
    if (chosen_ >= 0) {
        const float middle = CapMiddle(LineBox(chosen_).y + datafiles::kMenuCardLineBaseline);
        CSprite* mark = Place(datafiles::kMenuMark, 0.0f, middle, alpha_);
        mark->x = card.x + datafiles::kMenuCardMargin - kMarkGap - mark->width;
    }
    const float arrowX = card.x + kLineRight - PictureWidth(datafiles::kMenuArrowRight) * 0.5f;
    if (firstVisible_ > 0)
        Place(datafiles::kMenuArrowRight, arrowX, ScrollArrowY(card, -1), alpha_)->angle = -kHalfPi;
    if (firstVisible_ + kVisibleLines < Count())
        Place(datafiles::kMenuArrowRight, arrowX, ScrollArrowY(card, 1), alpha_)->angle = kHalfPi;
}

void Menu::LetterLine(int index, float top)
{
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    const rect card = CardBox();
    const float baseline = top + datafiles::kMenuCardLineBaseline;
    const float alpha = alpha_ * (choice.enabled ? 1.0f : kFadedAlpha);
    lettering_.Write(choice.label, vector2(card.x + kLabelLeft, baseline), GlyphSize::kLarge).SetAlpha(alpha);
    if (const char* badge = BadgePicture(choice.badge))
        Place(badge, card.x + kLineRight - PictureWidth(badge), CapMiddle(baseline), alpha_);
    const float valueLeft = ValueLeft(index);
    if (choice.kind != ValueKind::kNone)
        DrawValue(choice, valueLeft, baseline, alpha);
    const float noteRight = choice.kind != ValueKind::kNone ? valueLeft - 2.0f * kGap : valueLeft;
    if (!choice.note.empty())
        lettering_.Write(choice.note, vector2(noteRight, baseline), GlyphSize::kSmall, TextAlign::kRight)
            .SetAlpha(alpha);
}

void Menu::DrawValue(const Choice& choice, float left, float baseline, float alpha)
{
    const float middle = CapMiddle(baseline);
    switch (choice.kind) {
    case ValueKind::kSlider: {
        Place(datafiles::kMenuSlider, left, middle, alpha);
        CSprite* knob = Place(datafiles::kMenuSliderKnob, 0.0f, middle, alpha);
        const int notch = datafiles::kMenuSliderFirstNotch + choice.value * datafiles::kMenuSliderNotchStep;
        knob->x = left + std::round(static_cast<float>(notch) - knob->width * 0.5f);
        break;
    }
    case ValueKind::kSwitch:
        Place(datafiles::kMenuBox, left, middle, alpha);
        if (choice.value != 0) {
            // The tick overshoots its box a little up and to the right, as a quick hand's does.
            CSprite* tick = Place(datafiles::kMenuTick, 0.0f, middle - 3.0f, alpha);
            tick->x = std::round(left + (PictureWidth(datafiles::kMenuBox) - tick->width) * 0.5f + 3.0f);
        }
        break;
    case ValueKind::kList: {
        const float arrow = PictureWidth(datafiles::kMenuArrowLeft);
        const float right = left + ValueWidth(choice);
        Place(datafiles::kMenuArrowLeft, left, middle, alpha);
        Place(datafiles::kMenuArrowRight, right - arrow, middle, alpha);
        const std::size_t item = static_cast<std::size_t>(choice.value);
        if (item < choice.items.size()) {
            const vector2 anchor((left + right) * 0.5f, baseline);
            lettering_.Write(choice.items[item], anchor, GlyphSize::kLarge, TextAlign::kCentre).SetAlpha(alpha);
        }
        break;
    }
    case ValueKind::kNone:
        break;
    }
}

// Where a line's value starts: right of it only the badge, if any. A line without a value gets
// the place its note ends at.
float Menu::ValueLeft(int index) const
{
    const Choice& choice = choices_[static_cast<std::size_t>(index)];
    float right = CardBox().x + kLineRight;
    if (const char* badge = BadgePicture(choice.badge))
        right -= PictureWidth(badge) + kGap;
    return right - ValueWidth(choice);
}

// A sprite of the picture with its left edge at left and its middle at middle, on whole pixels.
CSprite* Menu::Place(const std::string& picture, float left, float middle, float alpha)
{
    CSprite* sprite = sprites_.CreateSprite(picture);
    sprite->x = std::round(left);
    sprite->y = std::round(middle - sprite->height * 0.5f);
    sprite->SetAlpha(alpha);
    return sprite;
}
