#pragma once
// Draws the batcher's batches into the bound target through OpenGL's fixed-function pipeline:
// each texel's colour times its vertex colour, blended straight-alpha over what is there where
// the batch blends, or blended from the image's premultiplied twin where the drawing strategy
// says so. Linear sampling and blending are on only while a batch is drawn; nearest sampling and
// no blending are the resting state.
#include "engine/render/drawingstrategy.h"
#include "engine/gl/glsupport.h"
#include "engine/render/quadbatcher.h"

#include <vector>

class GlBatchDrawer : public BatchDevice {
public:
    GlBatchDrawer(const GlFunctions& gl, const DrawingStrategy& strategy);

    // Puts the pipeline in its resting state, once, in a fresh context.
    void SetUpPipeline() const;
    void DrawBatch(const QuadBatch& batch) override;

    // The counts start again from 0.
    void StartFrame();
    int DrawCalls() const { return drawCalls_; }
    int PremultipliedBatches() const { return premultipliedBatches_; }

private:
    void DrawStraight(const QuadBatch& batch);
    void DrawPremultiplied(const QuadBatch& batch);
    void DrawTriangles(const QuadBatch& batch);
    // The batch's vertices with their colours laid as this OpenGL takes them.
    const QuadVertex* Vertices(const QuadBatch& batch);

    const GlFunctions& gl_;
    const DrawingStrategy& strategy_;
    int drawCalls_ = 0;
    int premultipliedBatches_ = 0;
#ifdef __EMSCRIPTEN__
    std::vector<QuadVertex> webVertices_;
#endif
};
