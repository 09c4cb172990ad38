#pragma once
// The engine's input string stream: a standard input string stream that also keeps its own copy
// of the text it reads. Every text-to-number read goes through one (ToInt and ToBool).
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

} // namespace stl
} // namespace kolm
