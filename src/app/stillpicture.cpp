#include "app/stillpicture.h"

#include "engine/renderdevice.h"

bool StillPicture::TakeWindowEvent(const SDL_Event& event)
{
    if (HandleWindowEvent(event)) {
        presentDue_ = true;
        return true;
    }
    if (MayHaveLostPicture(event))
        presentDue_ = true;
    return false;
}

void StillPicture::Show(const std::function<void()>& draw)
{
    if (drawDue_) {
        BeginFrame();
        draw();
        EndFrame();
    } else if (presentDue_ || ++pollsUnshown_ >= kPollsPerPresent) {
        PresentAgain();
    } else {
        return;
    }
    drawDue_ = presentDue_ = false;
    pollsUnshown_ = 0;
}
