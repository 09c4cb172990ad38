#include "utils/stlstringstream.h"

namespace kolm {
namespace stl {

stringstream::stringstream(const std::string& text) : std::istringstream(text), text_(text) {}

stringstream::~stringstream() = default;

} // namespace stl
} // namespace kolm
