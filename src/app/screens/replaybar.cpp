#include "app/screens/replaybar.h"

#include "engine/render/sprite.h"
#include "utils/datafiles.h"

#include <algorithm>

namespace {

constexpr float kLeft = 40.0f;
constexpr float kRight = kVirtualWidth - 40.0f;
constexpr float kLineY = kVirtualHeight - 22.0f;
constexpr float kWordsBaseline = kVirtualHeight - 40.0f;
constexpr float kHintBaseline = kVirtualHeight - 68.0f;
// A press this far above or below the line still takes it.
constexpr float kReach = 18.0f;
constexpr float kMarkLength = 18.0f;
constexpr float kUnplayedAlpha = 0.3f;

// A sprite of the picture stretched to the width, centred on the line at x.
void Stretch(CSprite& sprite, float x, float width)
{
    sprite.scaleX = sprite.width > 0.0f ? width / sprite.width : 0.0f;
    sprite.x = x;
    sprite.y = kLineY - sprite.height * 0.5f;
}

} // namespace

ReplayBar::ReplayBar()
    : line_(sprites_.CreateSprite(datafiles::kTimeSliderBack)), filled_(sprites_.CreateSprite(datafiles::kTimeSliderBack)),
      knob_(sprites_.CreateSprite(datafiles::kMenuSliderKnob))
{
    Stretch(*line_, kLeft, kRight - kLeft);
    line_->SetAlpha(kUnplayedAlpha);
}

float ReplayBar::XOf(uint32_t time, uint32_t length)
{
    const float share = length == 0 ? 0.0f : std::min(1.0f, static_cast<float>(time) / static_cast<float>(length));
    return kLeft + (kRight - kLeft) * share;
}

bool ReplayBar::OnLine(const vector2& point)
{
    return point.y >= kLineY - kReach && point.y <= kLineY + kReach && point.x >= kLeft - kReach && point.x <= kRight + kReach;
}

uint32_t ReplayBar::TimeAtX(float x, uint32_t length)
{
    const float share = std::clamp((x - kLeft) / (kRight - kLeft), 0.0f, 1.0f);
    return static_cast<uint32_t>(share * static_cast<float>(length));
}

void ReplayBar::Show(const View& view)
{
    Stretch(*filled_, kLeft, XOf(view.filledTo, view.length) - kLeft);
    MarkLoops(view.loopStarts, view.length);
    knob_->SetCentre(vector2(XOf(view.shown, view.length), kLineY));
    words_.Say(sprites_, view.words, vector2(kRight, kWordsBaseline), TextAlign::kRight);
    hint_.Say(sprites_, view.hint, vector2(kLeft, kHintBaseline), TextAlign::kLeft);
}

// A short upright stroke where each loop after the first begins.
void ReplayBar::MarkLoops(const std::vector<uint32_t>& starts, uint32_t length)
{
    if (loopMarks_.size() + 1 < starts.size()) {
        // The knob is made anew after the new marks, so that it lies on top of them.
        knob_->killed = true;
        knob_ = nullptr;
    }
    while (loopMarks_.size() + 1 < starts.size()) {
        CSprite* mark = sprites_.CreateSprite(datafiles::kRuledLine);
        mark->scaleX = mark->width > 0.0f ? kMarkLength / mark->width : 0.0f;
        mark->angle = 1.5707964f;
        mark->SetColour(0.75f, 0.1f, 0.1f);
        loopMarks_.push_back(mark);
    }
    for (std::size_t i = 0; i < loopMarks_.size(); ++i)
        loopMarks_[i]->SetCentre(vector2(XOf(starts[i + 1], length), kLineY));
    if (!knob_)
        knob_ = sprites_.CreateSprite(datafiles::kMenuSliderKnob);
}
