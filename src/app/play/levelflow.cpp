#include "app/play/levelflow.h"

#include "app/play/hudoverlay.h"
#include "engine/input/gamekeys.h"
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
    HandleContinue(&gameplay_, &overlay_, levels_);
}

bool LevelFlow::LastLevelCleared()
{
    const bool cleared = overlay_.ClearStands() || (!gameplay_.IsPlayerDead() && gameplay_.IsLevelCleared());
    return cleared && levels_.Current() >= 1 && levels_.Current() == levels_.Count() - 1;
}

void HandleContinue(Gameplay* gameplay, HudOverlay* overlay, kolm::CLevelList& levels)
{
    if (gameplay->IsPlayerDead() && !overlay->ClearStands()) {
        gameplay->RetireCurrentPlayer();
        gameplay->RestartAttempt();
    } else if (gameplay->IsLevelCleared() || overlay->ClearStands()) {
        gameplay->RetireCurrentPlayer();
        gameplay->LoadLevel(levels.NextLevelFile());
    } else {
        return;
    }
    overlay->Reset();
}
