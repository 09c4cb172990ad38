#include "engine/core/vectormath.h"

#include "engine/core/portablemath.h"

#include <cmath>

vector2 Rotate(const vector2& v, float angle)
{
    const float c = kolm::Cos(angle);
    const float s = kolm::Sin(angle);
    return vector2(c * v.x - s * v.y, s * v.x + c * v.y);
}

vector2 RotateAround(const vector2& p, const vector2& centre, float angle)
{
    return Rotate(p - centre, angle) + centre;
}

vector2 Normalized(const vector2& v)
{
    const float sum = v.x * v.x + v.y * v.y;
    const float len = std::sqrt(sum);
    if (len > 0.0f)
        return vector2(v.x / len, v.y / len);
    return vector2();
}

float Min(float a, float b) { return a < b ? a : b; }
float Max(float a, float b) { return a > b ? a : b; }
float Clamp(float x, float lo, float hi) { return Max(lo, Min(x, hi)); }
float Dot(const vector2& a, const vector2& b) { return a.x * b.x + a.y * b.y; }
float LengthSquared(const vector2& v) { return v.x * v.x + v.y * v.y; }

vector2 NearestOnSegment(const vector2& p, const vector2& a, const vector2& b)
{
    const vector2 span = b - a;
    const float length = LengthSquared(span);
    const float along = length > 0.0f ? Clamp(Dot(p - a, span) / length, 0.0f, 1.0f) : 0.0f;
    return a + span * along;
}
