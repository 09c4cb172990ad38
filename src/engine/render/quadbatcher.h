#pragma once
// Joins consecutive quads of one texture into batches, each of which a device draws in one
// call, never changing the order of the quads. Texture coordinates arrive relative to the
// quad's image and leave moved onto the image's place in its texture (an atlas page or a
// texture of its own). Each batch says what its device may save on it: whether anything in it
// blends, whether every quad lays its texels on the target's pixels one for one, whether every
// quad is untinted.
#include "engine/render/renderbackend.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Where a quad's image lives, as far as batching needs to know it.
struct BatchedImage {
    unsigned texture = 0;           // the device's texture that holds the image
    unsigned premultipliedTwin = 0; // the device's texture of its colours times its alpha; 0: none
    int width = 0, height = 0;      // of the image, in texels
    bool opaque = false;            // every texel has alpha 255
    // The image's rectangle in its texture, in texture coordinates.
    float u0 = 0.0f, v0 = 0.0f, uScale = 1.0f, vScale = 1.0f;
};

// Consecutive quads of one texture, ready to be drawn as triangles.
struct QuadBatch {
    unsigned texture = 0;
    unsigned premultipliedTwin = 0;
    bool blends = false;       // some texel or vertex colour of it has alpha below 255
    bool texelForPixel = true; // every quad lays its image on the target texel for pixel
    bool untinted = true;      // every vertex colour is opaque white
    std::vector<QuadVertex> vertices; // four a quad, colours as 0xAARRGGBB
    std::vector<uint16_t> indices;    // six a quad: its strip as two triangles

    std::size_t Quads() const { return vertices.size() / 4; }
};

// Draws the batches the batcher finishes.
class BatchDevice {
public:
    virtual ~BatchDevice() = default;
    virtual void DrawBatch(const QuadBatch& batch) = 0;
};

class QuadBatcher {
public:
    // A batch's vertices are numbered with 16 bits, as every OpenGL (and WebGL) takes them.
    static constexpr std::size_t kMaxQuads = 4096;
    static_assert(kMaxQuads * 4 <= 65536, "a batch's vertices are numbered with 16 bits");

    explicit QuadBatcher(BatchDevice& device);

    // Off, every quad is a batch of its own. What is pending is drawn first, as it was gathered.
    void SetBatching(bool on);
    // Adds the quad to the pending batch, handing that batch to the device first when the quad
    // cannot join it (another texture, or the batch is full).
    void Submit(const BatchedImage& image, const QuadStrip& quad);
    // Hands the pending batch, if any, to the device.
    void Flush();

private:
    void Append(const BatchedImage& image, const QuadStrip& quad);

    BatchDevice& device_;
    bool batching_ = true;
    QuadBatch batch_;
};
