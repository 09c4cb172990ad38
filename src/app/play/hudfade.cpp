#include "app/play/hudfade.h"

#include "world/gameplay.h"

bool HudFade::Step(const Gameplay& field, const rect& area, uint32_t dt)
{
    const float seconds = static_cast<float>(dt) * 0.001f;
    const float span = 1.0f - kFaded;
    const float before = alpha_;
    if (field.AnyBodyWithin(area))
        alpha_ = Max(kFaded, alpha_ - span * seconds / kFadeSeconds);
    else
        alpha_ = Min(1.0f, alpha_ + span * seconds / (2.0f * kFadeSeconds));
    return alpha_ != before;
}
