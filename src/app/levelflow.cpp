#include "app/levelflow.h"

#include "app/hudoverlay.h"
#include "utils/levellist/clevellist.h"
#include "world/gameplay.h"

bool LevelFlow::Handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_SPACE) {
            HandleContinue(&gameplay_, &overlay_);
            return true;
        }
        if (event.key.keysym.sym == SDLK_F5) {
            RestartLoop();
            return true;
        }
        return false;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        HandleContinue(&gameplay_, &overlay_);
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

void HandleContinue(Gameplay* gameplay, HudOverlay* overlay)
{
    if (gameplay->IsPlayerDead()) {
        gameplay->RetireCurrentPlayer();
        gameplay->RestartAttempt();
    } else if (gameplay->IsLevelCleared()) {
        gameplay->RetireCurrentPlayer();
        gameplay->LoadLevel(kolm::CLevelList::Instance().NextLevelFile());
    } else {
        return;
    }
    overlay->Reset();
}
