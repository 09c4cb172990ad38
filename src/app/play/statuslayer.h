#pragma once
// What the game adds above the overlay to tell the player where they are: a hand-lettered label
// in the bottom-right corner, "level 3 / 10 · loop 2" under the level's name when it has one, the clear's loops and times under the
// level-cleared banner (app/play/clearnote.h), a note in the top-left corner while progress cannot be
// saved, and the "paused" scrap while the game is paused, with what resumes it under it ("P:
// resume", or "pad disconnected" when the pad in use went away). The label covers neither the time slider along the top edge nor the messages (the
// press-space scrap sits bottom left, the level-cleared one in the middle), and gives way to the
// play: it fades while a character is under it. The "-classic" option goes without this layer,
// for the picture exactly as it always was.
#include "app/play/clearnote.h"
#include "app/play/hudfade.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>
#include <vector>

class StatusLayer {
public:
    // Where the player is: a list position with the list's length (0 for a level that is not in
    // the list: then no label shows), and the loop of the level (1 for the first attempt); the
    // clear shown by the banner, if any, with the banner's alpha; and whether the last save of
    // progress failed.
    struct Place {
        int level = 0;
        int levelCount = 0;
        int loop = 1;
        std::string name = {}; // the level's name in its list ("Crossfire"), if it has one
        const ClearReport* clear = nullptr;
        float bannerAlpha = 0.0f;
        bool saveFailed = false;
        bool padGone = false; // the game is paused because the pad in use went away
        // The key or button that resumes a paused game, as the player has it ("P"); empty for
        // none to name.
        std::string pauseKey = {};

        bool SameLabel(const Place& other) const
        {
            return level == other.level && levelCount == other.levelCount && loop == other.loop && name == other.name;
        }
    };

    // field: the play under the layer, which the label gives way to (none: it never fades).
    explicit StatusLayer(const Gameplay* field = nullptr) : field_(field) {}
    StatusLayer(const StatusLayer&) = delete;
    StatusLayer& operator=(const StatusLayer&) = delete;

    // Letters the label anew when the place has changed, shows or hides the paused scrap, and
    // fades the label over the play (a step of 16 ms; not while paused). True when any of it
    // changed what the layer draws.
    bool Update(const Place& place, bool paused);
    // Where the label lies with the name over it (empty without a label), and how faded it is.
    rect LabelArea() const;
    float LabelAlpha() const { return labelFade_.Alpha(); }
    void Draw() { sprites_.Draw(); }

    // The images of the label, left to right, for a place (empty when no label shows).
    static std::vector<std::string> LabelImages(const Place& place);

private:
    void Letter(const Place& place);
    void LetterName(const std::string& name);
    void SetLabelAlpha(float alpha);
    bool GiveWay(bool paused);

    const Gameplay* field_;
    HudFade labelFade_;
    CSpriteContainer sprites_;
    ClearNote clearNote_{sprites_};
    LetteredLine saveNote_;
    LetteredLine pauseNote_; // under the paused scrap
    std::vector<CSprite*> label_;
    LetteredText name_;
    CSprite* pausedScrap_ = nullptr;
    Place shown_;
    bool lettered_ = false;
    uint32_t speech_ = 0; // SpeechChanges() when the label was lettered
};
