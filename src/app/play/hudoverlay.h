#pragma once
// The layer drawn above the world: the time slider along the top edge, the fold shadow over
// the paper, the crosshair that replaces the mouse cursor, and one message at a time ("press
// space" after a death, "level cleared" once the level's time has run out with the player
// alive), faded in and out by the overlay's own particles.
//
// Outside "-classic" a clear stands: once the level is cleared, a death after it shows no "press
// space" and leaves the banner where it is, and space moves on to the next level (HandleContinue);
// and the time slider gives way to the play (givesWay): it fades while a character is under it.
#include "app/play/hudfade.h"
#include "particles/particlesystem.h"
#include "engine/render/spritecontainer.h"
#include "engine/core/vectormath.h"
#include "utils/datafiles.h"

#include <cstdint>
#include <string>

class Gameplay;

class HudOverlay {
public:
    explicit HudOverlay(Gameplay* gameplay);
    HudOverlay(const HudOverlay&) = delete;
    HudOverlay& operator=(const HudOverlay&) = delete;

    // Fades the message out and makes sure the fixed sprites exist.
    void Reset();
    void Update(uint32_t dt);
    void Draw();
    void ShowMessage(const std::string& imageFile, const vector2& centre);
    void SetTimeSlider(float progress);
    // The level has been cleared since the last reset and its clear stands (never when
    // clearStands is off).
    bool ClearStands() const { return clearStanding; }

    // Destroyed in this order: the particles first, then the sprites.
    CSpriteContainer sprites;
    ParticleSystem particles;
    Gameplay* gameplay;
    CSprite* message = nullptr;
    bool pressSpaceShown = false;
    CSprite* sliderKnob = nullptr;
    CSprite* sliderBack = nullptr;
    CSprite* foldShadow = nullptr;
    CSprite* crosshair = nullptr;
    bool clearStands = false;   // the game's own flow; off for the flow exactly as written
    bool givesWay = false;      // the slider fades over a character; off for the picture as it always was
    // The note after a death: "press space", or the game's note naming the key or button that
    // continues (app/text/keycaps.h).
    std::string pressMessage = datafiles::kPressSpace;
    // The banner of a clear: "level cleared!", with the game's note of the key or button that
    // moves on under it.
    std::string clearedMessage = datafiles::kLevelCleared;
    bool clearStanding = false; // set by the update that sees the clear, cleared by a reset
    // Where the slider lies (its bar and its knob at either end), which it fades over.
    rect SliderArea() const;

private:
    void GiveWay(uint32_t dt);

    HudFade sliderFade_;
};

