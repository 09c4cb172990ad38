#pragma once
// Every image is loaded once, on first request by its exact file name, and kept until
// shutdown. Callers hold pointers to the shared records and never free them.
#include "engine/render/renderbackend.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TextureEntry {
    TextureHandle texture = 0; // the device texture
    int width = 0;             // the image's own size in pixels
    int height = 0;
};

// The cached record for the name (loading it on the first request), or null when the image
// could not be loaded; a failed name is not tried again.
TextureEntry* GetTexture(const std::string& name);
// Loads the image into a new record; prints why and returns none on failure.
std::optional<TextureEntry> LoadTexture(const std::string& name);
// The cached record for the name, without loading anything: null when none is cached (or its
// load failed).
TextureEntry* FindTexture(const std::string& name);
// Keeps width x height RGBA pixels (rows top to bottom) in the cache under the name, as if they
// had been read from a file of that name; a name kept before keeps its first picture.
TextureEntry* KeepTexture(const std::string& name, int width, int height, const uint8_t* rgba);
// Releases every texture and empties the cache.
void ReleaseAllTextures();

// Decodes a PNG or JPG file into straight-alpha RGBA rows, top to bottom.
bool DecodeImageFile(const std::string& name, int& width, int& height, std::vector<uint8_t>& rgba);
