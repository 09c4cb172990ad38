#include "app/play/hudoverlay.h"

#include "world/gameplay.h"
#include "utils/datafiles.h"

namespace {

constexpr float kSliderLeft = 150.0f;
constexpr float kSliderY = 30.0f;
constexpr float kSliderLength = kVirtualWidth - 2.0f * kSliderLeft;
const vector2 kFoldShadowCentre(1302.0f * 0.5f, kVirtualHeight * 0.5f);
const vector2 kPressSpaceCentre(312.0f, 606.0f);
const vector2 kLevelClearedCentre(kVirtualWidth * 0.5f, kVirtualHeight * 0.5f);
constexpr float kMessageFade = 1.0f;

} // namespace

HudOverlay::HudOverlay(Gameplay* gameplay_) : gameplay(gameplay_) { Reset(); }

void HudOverlay::Reset()
{
    if (message) {
        if (CParticle* fade = particles.AttachSprite(message, kMessageFade)) {
            fade->removeSprite = true;
            fade->alphaRate = -1.0f;
        }
        message = nullptr;
    }
    if (!sliderBack) {
        sliderBack = sprites.CreateSprite(datafiles::kTimeSliderBack);
        const bool sized = sliderBack->width != 0.0f && sliderBack->height != 0.0f;
        sliderBack->scaleX = sized ? kSliderLength / sliderBack->width : 0.0f;
        sliderBack->scaleY = sized ? 1.0f : 0.0f;
        sliderBack->x = kSliderLeft;
        sliderBack->y = kSliderY - sliderBack->height * 0.5f;
    }
    if (!sliderKnob) {
        sliderKnob = sprites.CreateSprite(datafiles::kTimeSliderKnob);
        SetTimeSlider(0.0f);
    }
    if (!foldShadow)
        foldShadow = sprites.CreateSprite(datafiles::kFoldShadow);
    foldShadow->SetCentre(kFoldShadowCentre);
    if (!crosshair)
        crosshair = sprites.CreateSprite(datafiles::kCrosshair);
    pressSpaceShown = false;
    clearStanding = false;
}

void HudOverlay::Update(uint32_t dt)
{
    sprites.UpdateAnimations(dt);
    particles.Update(dt);
    if (clearStands && gameplay->IsLevelCleared())
        clearStanding = true;
    if (gameplay->IsPlayerDead()) {
        if (!pressSpaceShown && !clearStanding) {
            pressSpaceShown = true;
            ShowMessage(pressMessage, kPressSpaceCentre);
        }
    } else if (gameplay->IsLevelCleared() && !message) {
        ShowMessage(clearedMessage, kLevelClearedCentre);
    }
    SetTimeSlider(gameplay->GetTimeProgress());
    if (givesWay)
        GiveWay(dt);
}

rect HudOverlay::SliderArea() const
{
    const float halfKnob = sliderKnob->width * 0.5f;
    const float halfHeight = Max(sliderKnob->height, sliderBack->height) * 0.5f;
    return rect(kSliderLeft - halfKnob, kSliderY - halfHeight, kSliderLength + 2.0f * halfKnob, 2.0f * halfHeight);
}

void HudOverlay::GiveWay(uint32_t dt)
{
    if (!sliderFade_.Step(*gameplay, SliderArea(), dt))
        return;
    sliderBack->SetAlpha(sliderFade_.Alpha());
    sliderKnob->SetAlpha(sliderFade_.Alpha());
}

void HudOverlay::Draw() { sprites.Draw(); }

void HudOverlay::ShowMessage(const std::string& imageFile, const vector2& centre)
{
    // An existing message is reused as it is: its image stays what it was.
    if (!message)
        message = sprites.CreateSprite(imageFile);
    message->SetCentre(centre);
    message->SetAlpha(0.0f);
    // Invisible for a second, then a second's fade-in; it stays when the particle retires.
    if (CParticle* fade = particles.AttachSprite(message, kMessageFade)) {
        fade->age = -1.0f;
        fade->alphaRate = 1.0f;
    }
}

void HudOverlay::SetTimeSlider(float progress)
{
    const float t = Clamp(progress, 0.0f, 1.0f);
    sliderKnob->SetCentre(vector2(kSliderLeft + kSliderLength * t, kSliderY));
}
