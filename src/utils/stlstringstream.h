#pragma once
// The engine's input string stream: a standard input string stream that also keeps its own copy
// of the text it reads, and the two number reads every typed value and node read goes through.
#include <sstream>
#include <string>

namespace kolm {
namespace stl {

class stringstream : public std::istringstream {
public:
    explicit stringstream(const std::string& text);
    ~stringstream() override;

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// A decimal integer after leading white space; trailing text is ignored. Text that holds no
// number reads as 0, a number beyond the 32-bit range as the nearest end of it.
int ReadInt(const std::string& text);
// A boolean the way the stream reads it without boolalpha: "1" is true, "0" false; anything
// else, a number other than 0 or 1 included, reads as false.
bool ReadBool(const std::string& text);

} // namespace stl
} // namespace kolm
