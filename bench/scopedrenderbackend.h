#pragma once
// Every benchmark installs the backend it draws through and puts back the one it found, so that
// a benchmark that opened the OpenGL device never leaves a later, headless one drawing through it.
#include "engine/render/renderbackend.h"

class ScopedRenderBackend {
public:
    explicit ScopedRenderBackend(RenderBackend* backend) : previous_(&GetRenderBackend()) { SetRenderBackend(backend); }
    ~ScopedRenderBackend() { SetRenderBackend(previous_); }
    ScopedRenderBackend(const ScopedRenderBackend&) = delete;
    ScopedRenderBackend& operator=(const ScopedRenderBackend&) = delete;

private:
    RenderBackend* previous_;
};
