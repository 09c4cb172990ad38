#include "app/screen/stillpicture.h"

#include "engine/render/renderdevice.h"

bool StillPicture::TakeWindowEvent(const GameEvent& event)
{
    if (event.type != GameEvent::Type::kExposed)
        return false;
    presentDue_ = true;
    return true;
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
