#include "app/screens/titlescreen.h"

#include "app/control/bindings.h"
#include "app/play/inputsource.h"
#include "app/text/translate.h"
#include "engine/input/gamekeys.h"
#include "engine/core/ticks.h"
#include "utils/datafiles.h"

namespace {

bool IsTitleKey(int32_t key)
{
    using namespace gamekeys;
    switch (key) {
    case kReturn:
    case kEscape:
    case kSpace:
    case kA:
    case kD:
    case kS:
    case kW:
    case kUp:
    case kDown:
    case kRight:
    case kLeft:
    case kRightShift:
    case kLeftShift:
    case kRightCtrl:
    case kLeftCtrl:
        return true;
    default:
        return false;
    }
}

} // namespace

TitleScreen::TitleScreen(bool classic, Change afterTitle, const Platform* platform, const ControlSettings* controls,
                         bool waitsForKey)
    : classic_(classic), afterTitle_(afterTitle), platform_(platform), controls_(controls), waitsForKey_(waitsForKey)
{
    titleSprite_ = sprites_.CreateSprite(classic ? datafiles::kTitleScreen : InSpokenLanguage(datafiles::kTitleBackdrop));
    const bool sized = titleSprite_->width != 0.0f && titleSprite_->height != 0.0f;
    titleSprite_->scaleX = sized ? kVirtualWidth / titleSprite_->width : 0.0f;
    titleSprite_->scaleY = sized ? kVirtualHeight / titleSprite_->height : 0.0f;
    lastTime_ = kolm::GetTicks();
}

bool TitleScreen::Tick(uint32_t now)
{
    if (WhatNext().to != Change::To::kStay || !poll_.Due(now))
        return false;
    if (!classic_ && help_.Show(InputNames(platform_, controls_)))
        still_.Changed();
    still_.Show([this] { Draw(); });
    if (!waitsForKey_ && kolm::GetTicks() - lastTime_ > kTimeoutMs)
        Dismiss();
    return true;
}

bool TitleScreen::Dismisses(const GameEvent& event) const
{
    switch (event.type) {
    case GameEvent::Type::kMouseDown:
        return event.button == GameEvent::kLeftButton;
    case GameEvent::Type::kKeyDown:
        return IsTitleKey(event.key);
    case GameEvent::Type::kPadDown:
        return !classic_;
    default:
        return false;
    }
}

void TitleScreen::HandleEvent(const GameEvent& person)
{
    if (still_.TakeWindowEvent(person))
        return;
    const GameEvent event = InMenu(controls_, person);
    if (event.type == GameEvent::Type::kQuit) {
        sprites_.Clear();
        quit_ = true;
    } else if (Dismisses(event)) {
        Dismiss();
    }
}

void TitleScreen::Dismiss()
{
    if (!dismissed_) {
        sprites_.Clear(); // the title and the controls lettered over it
        titleSprite_ = nullptr;
        dismissed_ = true;
    }
    lastTime_ = kolm::GetTicks();
}

GameScreen::Change TitleScreen::WhatNext() const
{
    if (quit_)
        return Change(Change::To::kQuit);
    return dismissed_ ? afterTitle_ : Change();
}

void TitleScreen::TakeToolEvents(InputSource& tools, uint32_t, std::vector<GameEvent>& out)
{
    tools.TakeTitleEvents(out);
}
