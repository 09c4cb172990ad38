#include "utils/stlstringstream.h"

namespace kolm {
namespace stl {

stringstream::stringstream(const std::string& text) : std::istringstream(text), text_(text) {}

stringstream::~stringstream() = default;

int ReadInt(const std::string& text)
{
    // The stream writes 0 when no digits follow and the nearest limit on overflow; an empty or
    // all-blank text leaves the target as it was, so it starts at 0.
    stringstream stream(text);
    int value = 0;
    stream >> value;
    return value;
}

bool ReadBool(const std::string& text)
{
    stringstream stream(text);
    bool value = false;
    stream >> value;
    return stream.fail() ? false : value;
}

} // namespace stl
} // namespace kolm
