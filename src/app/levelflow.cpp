#include "app/levelflow.h"

#include "app/hudoverlay.h"
#include "engine/gamekeys.h"
#include "utils/levellist/clevellist.h"
#include "world/gameplay.h"

bool LevelFlow::Handle(const GameEvent& event)
{
    switch (event.type) {
    case GameEvent::Type::kKeyDown:
        if (event.key == gamekeys::kSpace) {
            Continue();
            return true;
        }
        if (event.key == gamekeys::kF5) {
            RestartLoop();
            return true;
        }
        return false;
    case GameEvent::Type::kPadDown:
    case GameEvent::Type::kPadUp:
        Continue();
        return false;
    default:
        return false;
    }
}

void LevelFlow::RestartLoop()
{
    gameplay_.RetireCurrentPlayer();
    gameplay_.RestartAttempt();
    overlay_.Reset();
}

void LevelFlow::Continue()
{
    if (allCleared_)
        return;
    if (endsAfterLastLevel_ && LastLevelCleared()) {
        allCleared_ = true;
        return;
    }
    HandleContinue(&gameplay_, &overlay_);
}

bool LevelFlow::LastLevelCleared()
{
    const bool cleared = overlay_.ClearStands() || (!gameplay_.IsPlayerDead() && gameplay_.IsLevelCleared());
    const kolm::CLevelList& list = kolm::CLevelList::Instance();
    return cleared && list.Current() >= 1 && list.Current() == list.Count() - 1;
}

void HandleContinue(Gameplay* gameplay, HudOverlay* overlay)
{
    if (gameplay->IsPlayerDead() && !overlay->ClearStands()) {
        gameplay->RetireCurrentPlayer();
        gameplay->RestartAttempt();
    } else if (gameplay->IsLevelCleared() || overlay->ClearStands()) {
        gameplay->RetireCurrentPlayer();
        gameplay->LoadLevel(kolm::CLevelList::Instance().NextLevelFile());
    } else {
        return;
    }
    overlay->Reset();
}
