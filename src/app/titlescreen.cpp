#include "app/titlescreen.h"

#include "app/inputsource.h"
#include "engine/renderdevice.h"
#include "engine/spritecontainer.h"
#include "engine/ticks.h"
#include "utils/datafiles.h"

#include <SDL.h>

#include <vector>

namespace {

constexpr uint32_t kTitleTimeout = 5000;

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

void PushEvents(InputSource& input)
{
    std::vector<SDL_Event> events;
    input.TakeTitleEvents(events);
    for (SDL_Event& event : events)
        SDL_PushEvent(&event);
}

struct TitleScreen {
    enum Showing : int32_t { kShown = 1, kDismissed = 3 };

    bool done = false;
    Showing showing = kShown;
    CSprite* titleSprite = nullptr;
    uint32_t lastTime = 0;
    CSpriteContainer sprites;

    void Dismiss()
    {
        if (showing == kShown) {
            titleSprite->killed = true;
            titleSprite = nullptr;
            done = true;
            showing = kDismissed;
        }
        lastTime = kolm::GetTicks();
    }
};

} // namespace

bool RunTitleScreen(InputSource* input)
{
    TitleScreen title;
    title.titleSprite = title.sprites.CreateSprite(datafiles::kTitleScreen);
    CSprite* sprite = title.titleSprite;
    const bool sized = sprite->width != 0.0f && sprite->height != 0.0f;
    sprite->scaleX = sized ? kVirtualWidth / sprite->width : 0.0f;
    sprite->scaleY = sized ? kVirtualHeight / sprite->height : 0.0f;
    title.lastTime = kolm::GetTicks();

    while (!title.done) {
        BeginFrame();
        title.sprites.Draw();
        EndFrame();
        if (input)
            PushEvents(*input);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (HandleWindowEvent(event))
                continue;
            if (event.type == SDL_QUIT) {
                title.sprites.Clear();
                return false;
            }
            if (DismissesTitle(event))
                title.Dismiss();
        }
        if (kolm::GetTicks() - title.lastTime > kTitleTimeout)
            title.Dismiss();
    }
    title.sprites.Clear();
    return true;
}
