#include "engine/render/renderdevice.h"

#include "engine/render/renderbackend.h"

void BeginFrame() { GetRenderBackend().BeginFrame(); }

void EndFrame() { GetRenderBackend().EndFrame(); }

void PresentAgain() { GetRenderBackend().PresentAgain(); }

vector2 VirtualToClip(const vector2& p)
{
    return vector2(p.x / 1280.0f * 2.0f - 1.0f, 1.0f - p.y / 720.0f * 2.0f);
}
