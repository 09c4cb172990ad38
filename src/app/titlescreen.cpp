#include "app/titlescreen.h"

#include "app/inputsource.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"
#include "utils/datafiles.h"

#include <SDL.h>

#include <vector>

namespace {

bool DismissesTitle(const SDL_Event& event)
{
    if (event.type == SDL_MOUSEBUTTONDOWN)
        return event.button.button == SDL_BUTTON_LEFT;
    if (event.type != SDL_KEYDOWN)
        return false;
    switch (event.key.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_ESCAPE:
    case SDLK_SPACE:
    case SDLK_a:
    case SDLK_d:
    case SDLK_s:
    case SDLK_w:
    case SDLK_UP:
    case SDLK_DOWN:
    case SDLK_RIGHT:
    case SDLK_LEFT:
    case SDLK_RSHIFT:
    case SDLK_LSHIFT:
    case SDLK_RCTRL:
    case SDLK_LCTRL:
        return true;
    default:
        return false;
    }
}

} // namespace

TitleScreen::TitleScreen(InputSource* input) : input_(input)
{
    titleSprite_ = sprites_.CreateSprite(datafiles::kTitleScreen);
    const bool sized = titleSprite_->width != 0.0f && titleSprite_->height != 0.0f;
    titleSprite_->scaleX = sized ? kVirtualWidth / titleSprite_->width : 0.0f;
    titleSprite_->scaleY = sized ? kVirtualHeight / titleSprite_->height : 0.0f;
    lastTime_ = kolm::GetTicks();
}

TitleScreen::Outcome TitleScreen::Tick(uint32_t now)
{
    if (outcome_ == Outcome::kShowing && poll_.Due(now))
        Poll();
    return outcome_;
}

void TitleScreen::Poll()
{
    Show();
    TakeInputSourceEvents();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (still_.TakeWindowEvent(event))
            continue;
        // A quit ends the title at once; the rest of the queue stays unread.
        if (event.type == SDL_QUIT) {
            sprites_.Clear();
            outcome_ = Outcome::kQuit;
            return;
        }
        if (DismissesTitle(event))
            Dismiss();
    }
    if (kolm::GetTicks() - lastTime_ > kTimeoutMs)
        Dismiss();
    if (done_) {
        sprites_.Clear();
        outcome_ = Outcome::kStartGame;
    }
}

void TitleScreen::Show()
{
    still_.Show([this] { sprites_.Draw(); });
}

void TitleScreen::Dismiss()
{
    if (showing_ == kShown) {
        titleSprite_->killed = true;
        titleSprite_ = nullptr;
        done_ = true;
        showing_ = kDismissed;
    }
    lastTime_ = kolm::GetTicks();
}

void TitleScreen::TakeInputSourceEvents()
{
    if (!input_)
        return;
    std::vector<SDL_Event> events;
    input_->TakeTitleEvents(events);
    for (SDL_Event& event : events)
        SDL_PushEvent(&event);
}
