#include "utils/linereader.h"

#include <istream>

namespace kolm {
namespace {
const char kByteOrderMark[] = "\xEF\xBB\xBF";
}

LineReader::LineReader(std::istream& in) : in_(in) {}

bool LineReader::Next(std::string& line)
{
    if (!std::getline(in_, line))
        return false;
    if (first_ && line.rfind(kByteOrderMark, 0) == 0)
        line.erase(0, sizeof kByteOrderMark - 1);
    first_ = false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

} // namespace kolm
