#pragma once
// The OpenGL device's images: small ones packed onto shared atlas pages (so that the many quads
// of characters and effects, which switch images all the time, still reach OpenGL in few draw
// calls), big ones each a texture of its own, with the copies made beside some of them: a cover
// for an opaque picture of the target's size, a premultiplied twin for a see-through picture of
// its own where the drawing strategy makes one. Handles number the images from 1.
#include "engine/render/atlaspacker.h"
#include "engine/render/drawingstrategy.h"
#include "engine/gl/gltarget.h"
#include "engine/render/quadbatcher.h"
#include "engine/render/renderbackend.h"

#include <vector>

// Where an image lives.
struct GlImage {
    BatchedImage place;
    bool ownTexture = false; // not on an atlas page
    GlCover cover;
};

class GlTextureStore {
public:
    GlTextureStore(const GlTarget& target, const DrawingStrategy& strategy);
    ~GlTextureStore();
    GlTextureStore(const GlTextureStore&) = delete;
    GlTextureStore& operator=(const GlTextureStore&) = delete;

    // Uploads width x height RGBA pixels (rows top to bottom); 0 on failure.
    TextureHandle Create(int width, int height, const uint8_t* rgba);
    void Delete(TextureHandle texture);
    // The image the handle names; null for none, or one deleted.
    const GlImage* Find(TextureHandle texture) const;
    // Every cover laid anew as the target now is.
    void RelayCovers() const;

private:
    TextureHandle AddToAtlas(int width, int height, const uint8_t* rgba);
    TextureHandle AddOwnTexture(int width, int height, const uint8_t* rgba);
    TextureHandle Register(GlImage image, int width, int height, const uint8_t* rgba);
    // The image's texture, if its own, and the copies made beside it, deleted.
    void Release(GlImage& image);

    const GlTarget& target_;
    const DrawingStrategy& strategy_;
    AtlasPacker packer_;
    std::vector<unsigned> atlasPages_; // live as long as the store
    std::vector<GlImage> images_;      // handle - 1 indexes this
};
