#include "utils/stringutils.h"

#include "utils/stlstringstream.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace kolm {

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

namespace {

// Whether find occurs at head[start..] continued by text[from..].
bool MatchesAcross(const std::string& head, std::size_t start, const std::string& text, std::size_t from,
                   const std::string& find)
{
    for (std::size_t j = 0; j < find.size(); ++j) {
        const std::size_t at = start + j;
        const std::size_t inText = from + (at - head.size());
        const char c = at < head.size() ? head[at] : (inText < text.size() ? text[inText] : '\0');
        if ((at >= head.size() && inText >= text.size()) || c != find[j])
            return false;
    }
    return true;
}

} // namespace

// Each search goes on from where the last replacement was put, so a replacement followed by
// the rest of the text can form a new occurrence ("&amp;amp;" with "&amp;" -> "&" gives "&").
// Done in one pass: only the newest replacement is looked at again, never the text before it.
// A replacement that itself holds find would be replaced forever; the search then goes on
// after it instead.
std::string ReplaceAll(std::string text, const std::string& find, const std::string& replacement, int limit)
{
    if (find.empty())
        return text;
    const bool endless = replacement.find(find) != std::string::npos;
    std::string out;
    std::string head; // the newest replacement (and what follows it of a match), not yet final
    std::size_t next = 0;
    for (int done = 0; limit < 0 || done < limit; ++done) {
        bool inHead = false;
        for (std::size_t k = 0; k < head.size() && !inHead && !endless; ++k) {
            if (!MatchesAcross(head, k, text, next, find))
                continue;
            inHead = true;
            const std::size_t fromHead = head.size() - k;
            std::string rest = fromHead > find.size() ? head.substr(k + find.size()) : std::string();
            if (fromHead < find.size())
                next += find.size() - fromHead;
            out.append(head, 0, k);
            head = replacement + rest;
        }
        if (inHead)
            continue;
        out += head;
        head.clear();
        const std::size_t at = text.find(find, next);
        if (at == std::string::npos)
            break;
        out.append(text, next, at - next);
        next = at + find.size();
        head = replacement;
    }
    out += head;
    out.append(text, next, std::string::npos);
    return out;
}

std::string LowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Every text-to-number read of the game goes through here: level files, the command line,
// typed values and node contents.
int ToInt(const std::string& text)
{
    // The stream skips leading white space and reads the longest decimal prefix. It stores 0
    // when no digit follows and the nearest end of the 32-bit range for a number beyond it; an
    // empty or all-blank text stores nothing, so the value keeps the 0 it starts with.
    stl::stringstream stream(text);
    int value = 0;
    stream >> value;
    return value;
}

bool ParseWholeNumber(const std::string& text, int64_t lowest, int64_t highest, int64_t& value)
{
    const std::size_t digits = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (text.size() == digits || text.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    errno = 0;
    const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || parsed < lowest || parsed > highest)
        return false;
    value = parsed;
    return true;
}

bool ToBool(const std::string& text)
{
    // Without boolalpha the stream reads a number that must be 0 or 1; anything else fails.
    stl::stringstream stream(text);
    bool value = false;
    stream >> value;
    return stream.fail() ? false : value;
}

std::string::size_type FindOutsideQuotes(std::string_view set, std::string_view text, std::string::size_type start)
{
    bool quoted = false;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && i >= start && set.find(c) != std::string_view::npos)
            return i;
    }
    return std::string::npos;
}

std::u32string DecodeUtf8(const std::string& text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length =
            lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
        std::size_t read = 1;
        while (read < length && i + read < text.size() && (static_cast<unsigned char>(text[i + read]) >> 6) == 0x2)
            code = (code << 6) | (static_cast<unsigned char>(text[i + read++]) & 0x3Fu);
        out.push_back(length > 0 && read == length ? code : U'\uFFFD');
        i += read;
    }
    return out;
}

std::string EncodeUtf8(char32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = U'\uFFFD';
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

} // namespace kolm
