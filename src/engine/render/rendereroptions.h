#pragma once
// The OpenGL renderer's shortcuts, each of which gives the pixels plain drawing would give for
// less work, and each of which can be turned off: for the benchmarks, and for the tests that
// compare a shortcut's pixels with those of plain drawing.

// A shortcut taken where the renderer's own choice says so, always, or never.
enum class Choice { Auto, On, Off };

struct RendererOptions {
    // Consecutive quads of one texture join into one draw call; off, every quad is its own.
    bool batching = true;
    // Quads that put their image's texels on the target's pixels one for one (the paper, the
    // title) are sampled nearest, which reads the same colours as linear sampling with a
    // quarter of the work; off, every quad is sampled linearly.
    bool nearestWhereExact = true;
    // An opaque picture of the target's size drawn over the whole target texel for pixel and
    // untinted (the paper, the title) is copied into it rather than drawn.
    bool copyCovers = true;
    // Blended quads drop their fragments of alpha 0, which would leave the pixel under them as
    // it is, before the blend.
    bool discardTransparent = true;
    // The target laid as the window's pixels and handed to the window a row at a time, each row
    // a plain copy, rather than R, G, B, A presented in one blit. Auto: on Mesa's software
    // rasteriser, where one blit of the whole picture is a drawing pass over every pixel.
    Choice presentByCopy = Choice::Auto;
    // On llvmpipe, a see-through image of its own (the fold's shadow) drawn untinted and texel
    // for pixel is blended from a twin whose colours were multiplied by their alpha when it was
    // made: one product fewer a pixel, and the same pixels.
    bool premultipliedTwins = true;
};
