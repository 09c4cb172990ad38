#include "utils/stringutils.h"

#include <cctype>
#include <climits>
#include <sstream>

namespace kolm {
namespace {
const char* const kBlanks = " \t";
}

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Split(const std::string& text, const std::string& delimiter)
{
    std::vector<std::string> pieces;
    if (delimiter.empty()) {
        if (!text.empty())
            pieces.push_back(text);
        return pieces;
    }
    std::string::size_type start = 0;
    while (start <= text.size()) {
        const auto at = text.find(delimiter, start);
        const auto end = at == std::string::npos ? text.size() : at;
        if (end > start)
            pieces.push_back(text.substr(start, end - start));
        if (at == std::string::npos)
            break;
        start = at + delimiter.size();
    }
    return pieces;
}

std::string ReplaceAll(std::string text, const std::string& find, const std::string& replacement, int limit)
{
    if (find.empty())
        return text;
    std::string::size_type at = text.find(find);
    for (int done = 0; at != std::string::npos && (limit < 0 || done < limit); ++done) {
        text.replace(at, find.size(), replacement);
        at = text.find(find, at + replacement.size());
    }
    return text;
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int ToInt(const std::string& text)
{
    std::istringstream stream(text);
    long long value = 0;
    stream >> value;
    if (stream.fail()) {
        // A number too large for the stream still saturates; text with no number reads 0.
        if (value == LLONG_MAX)
            return INT_MAX;
        if (value == LLONG_MIN)
            return INT_MIN;
        return 0;
    }
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool ToBool(const std::string& text)
{
    std::istringstream stream(text);
    bool value = false;
    stream >> value;
    return stream.fail() ? false : value;
}

std::string::size_type FindOutsideQuotes(const std::string& set, const std::string& text, std::string::size_type start)
{
    bool quoted = false;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && i >= start && set.find(c) != std::string::npos)
            return i;
    }
    return std::string::npos;
}

} // namespace kolm
