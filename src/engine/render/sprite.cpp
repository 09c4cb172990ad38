// Sprites: their frames and animations, and the two drawing primitives (a sprite's quad, a line).
#include "engine/render/sprite.h"

#include "engine/core/numeric.h"
#include "engine/core/portablemath.h"
#include "engine/render/renderbackend.h"
#include "engine/render/renderdevice.h"
#include "engine/render/texturecache.h"

#include <cmath>
#include <utility>

namespace {

uint32_t ChannelByte(float c)
{
    return static_cast<uint32_t>(TruncToInt64(static_cast<double>(c * 255.0f))) & 0xFFu;
}

QuadVertex MakeVertex(const vector2& corner, uint32_t colour, float u, float v)
{
    const vector2 clip = VirtualToClip(corner);
    return QuadVertex{clip.x, clip.y, 1.0f, colour, u, v};
}

// Emits the quad with corners top-left, top-right, bottom-left, bottom-right.
void SubmitCorners(TextureHandle texture, const vector2 corners[4], uint32_t colour,
                   float uL, float vT, float uR, float vB)
{
    QuadStrip quad;
    quad.v[0] = MakeVertex(corners[2], colour, uL, vB);
    quad.v[1] = MakeVertex(corners[0], colour, uL, vT);
    quad.v[2] = MakeVertex(corners[3], colour, uR, vB);
    quad.v[3] = MakeVertex(corners[1], colour, uR, vT);
    GetRenderBackend().SubmitQuad(texture, quad);
}

} // namespace

uint32_t PackColour(float r, float g, float b, float a)
{
    return ChannelByte(a) << 24 | ChannelByte(r) << 16 | ChannelByte(g) << 8 | ChannelByte(b);
}

CSprite::CSprite() : frames(1, nullptr) {}

CSprite::~CSprite() = default;

void CSprite::SetCentre(const vector2& centre)
{
    x = centre.x - width * 0.5f * scaleX;
    y = centre.y - height * 0.5f * scaleY;
}

vector2 CSprite::GetCentre() const
{
    return vector2(width * 0.5f * scaleX + x, height * 0.5f * scaleY + y);
}

vector2 CSprite::GetSize() const { return vector2(scaleX * width, scaleY * height); }

bool CSprite::Draw() { return DrawRegion(rect(0.0f, 0.0f, width, height)); }

void CSprite::SetFrames(const std::vector<TextureEntry*>& newFrames)
{
    frames = newFrames;
    texture = frames.empty() ? nullptr : frames.front();
}

void CSprite::AddAnimation(SpriteAnimation animation) { animations.push_back(std::move(animation)); }

const SpriteAnimation* CSprite::CurrentAnimation() const
{
    return currentAnimation_ < 0 ? nullptr : &animations[static_cast<std::size_t>(currentAnimation_)];
}

// Makes frames[index] the current image when it exists; a frame with no image keeps the size.
void CSprite::ShowFrame(int32_t index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < frames.size())
        texture = frames[static_cast<std::size_t>(index)];
    if (texture) {
        width = static_cast<float>(texture->width);
        height = static_cast<float>(texture->height);
    }
}

void CSprite::PlayAnimation(const std::string& name)
{
    const SpriteAnimation* playing = CurrentAnimation();
    if (playing && playing->name == name)
        return;
    for (std::size_t i = 0; i < animations.size(); ++i) {
        const SpriteAnimation& animation = animations[i];
        if (animation.name != name)
            continue;
        currentAnimation_ = static_cast<int32_t>(i);
        step = 0;
        elapsed = 0;
        if (!animation.frameIndices.empty())
            ShowFrame(animation.frameIndices.front());
        return;
    }
    if (name == "death")
        killed = true;
}

void CSprite::UpdateAnimation(uint32_t dt)
{
    const SpriteAnimation* playing = CurrentAnimation();
    if (paused || !playing)
        return;
    elapsed += dt;
    if (elapsed < playing->frameTime)
        return;
    ++step;
    elapsed -= playing->frameTime;
    const uint32_t count = static_cast<uint32_t>(playing->frameIndices.size());
    if (step >= count) {
        step = (playing->loop || count == 0) ? 0 : count - 1;
        if (playing->killAtEnd)
            killed = true;
    }
    if (step < count)
        ShowFrame(playing->frameIndices[step]);
}

void CSprite::SetAlpha(float alpha) { colour[3] = Clamp(alpha, 0.0f, 1.0f); }

void CSprite::SetColour(float r, float g, float b)
{
    colour[0] = r;
    colour[1] = g;
    colour[2] = b;
}

bool CSprite::DrawRegion(const rect& region)
{
    const float halfW = width * 0.5f * scaleX;
    const float halfH = height * 0.5f * scaleY;
    const float cx = x + halfW;
    const float cy = y + halfH;
    const float r = std::sqrt(halfW * halfW + halfH * halfH);
    if (cx + r < 0.0f || cy + r < 0.0f || cx - r > kVirtualWidth || cy - r > kVirtualHeight)
        return false;
    if (!texture || texture->texture == 0)
        return true;

    const float qw = region.w * scaleX;
    const float qh = region.h * scaleY;
    vector2 corners[4] = {vector2(x, y), vector2(x + qw, y), vector2(x, y + qh), vector2(x + qw, y + qh)};
    if (angle != 0.0f) {
        const vector2 centre(x + qw / 2.0f, y + qh / 2.0f);
        for (vector2& corner : corners)
            corner = RotateAround(corner, centre, angle);
    }
    const float uL = (region.x + 0.5f) / width;
    const float vT = (region.y + 0.5f) / height;
    const float uR = (region.x + region.w + 0.5f) / width;
    const float vB = (region.y + region.h + 0.5f) / height;
    SubmitCorners(texture->texture, corners, PackColour(colour[0], colour[1], colour[2], colour[3]), uL, vT, uR, vB);
    return true;
}

void DrawLine(const TextureEntry* image, const vector2& from, const vector2& to)
{
    if (!image || image->texture == 0)
        return;
    const vector2 d = to - from;
    const float len = std::sqrt(d.x * d.x + d.y * d.y);
    const vector2 n = Normalized(d);
    const float angle = kolm::Atan2(n.y, n.x);
    if (len < 2.0f)
        return;
    const float W = static_cast<float>(image->width);
    const float H = static_cast<float>(image->height);
    const float U = Min(W, len);
    vector2 corners[4] = {from, vector2(from.x + len, from.y), vector2(from.x, from.y + H),
                          vector2(from.x + len, from.y + H)};
    if (angle != 0.0f) {
        for (vector2& corner : corners)
            corner = RotateAround(corner, from, angle);
    }
    SubmitCorners(image->texture, corners, 0xFFFFFFFFu, 0.5f / W, 0.5f / H, (U + 0.5f) / W, (H + 0.5f) / H);
}
