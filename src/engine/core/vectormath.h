#pragma once
// The 2D vocabulary shared by the whole game: points and sizes in the 1280 x 720 virtual
// screen (y downwards, so a positive angle turns clockwise on screen).

// The virtual screen, which is also the play field: whatever the window's size, the game sees
// and draws this many units.
constexpr float kVirtualWidth = 1280.0f;
constexpr float kVirtualHeight = 720.0f;

struct vector2 {
    float x = 0.0f;
    float y = 0.0f;

    vector2() = default;
    vector2(float x_, float y_) : x(x_), y(y_) {}

    vector2 operator+(const vector2& o) const { return vector2(x + o.x, y + o.y); }
    vector2 operator-(const vector2& o) const { return vector2(x - o.x, y - o.y); }
    vector2 operator-() const { return vector2(-x, -y); }
    vector2 operator*(float s) const { return vector2(x * s, y * s); }
    vector2& operator+=(const vector2& o) { x += o.x; y += o.y; return *this; }
    vector2& operator-=(const vector2& o) { x -= o.x; y -= o.y; return *this; }
    bool operator==(const vector2& o) const { return x == o.x && y == o.y; }
    bool operator!=(const vector2& o) const { return !(*this == o); }
};

struct rect {
    float x = 0.0f;
    float y = 0.0f;
    float w = 0.0f;
    float h = 0.0f;

    rect() = default;
    rect(float x_, float y_, float w_, float h_) : x(x_), y(y_), w(w_), h(h_) {}
};

vector2 Rotate(const vector2& v, float angle);
vector2 RotateAround(const vector2& p, const vector2& centre, float angle);
vector2 Normalized(const vector2& v);
float Min(float a, float b);
float Max(float a, float b);
float Clamp(float x, float lo, float hi);
float Dot(const vector2& a, const vector2& b);
float LengthSquared(const vector2& v);
// The point of the segment from a to b nearest to p.
vector2 NearestOnSegment(const vector2& p, const vector2& a, const vector2& b);
