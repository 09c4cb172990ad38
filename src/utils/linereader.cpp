#include "utils/linereader.h"

#include <istream>

namespace kolm {

LineReader::LineReader(std::istream& in) : in_(in) {}

bool LineReader::Next(std::string& line)
{
    if (!std::getline(in_, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

} // namespace kolm
