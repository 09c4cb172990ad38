#include "app/text/linebreaks.h"

#include "app/text/lettering.h"
#include "utils/stringutils.h"

#include <string_view>

namespace {

bool IsJapanese(char32_t c)
{
    return (c >= U'\u3000' && c <= U'\u30FF') || (c >= U'\u4E00' && c <= U'\u9FFF') || (c >= U'\uFF00' && c <= U'\uFFEF');
}

bool Closes(char32_t c)
{
    static constexpr std::u32string_view kClosing =
        U"\u3001\u3002\uFF0C\uFF0E\u300D\u300F\uFF09\uFF01\uFF1F\uFF1A\u30FC\u30FB\u2026"
        U"\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u30A1\u30A3\u30A5\u30A7\u30A9\u30C3\u30E3\u30E5\u30E7"
        U".,:;!?)";
    return kClosing.find(c) != std::u32string_view::npos;
}

bool Opens(char32_t c) { return c == U'\u300C' || c == U'\u300E' || c == U'\uFF08' || c == U'('; }

// A line may end after position i - 1 and go on at i without a blank between.
bool BreaksBetween(const std::u32string& text, std::size_t i)
{
    const char32_t before = text[i - 1], after = text[i];
    return (IsJapanese(before) || IsJapanese(after)) && before != U' ' && after != U' ' && !Closes(after) &&
           !Opens(before);
}

std::string Utf8(const std::u32string& text, std::size_t from, std::size_t to)
{
    std::string utf8;
    for (std::size_t i = from; i < to; ++i)
        utf8 += kolm::EncodeUtf8(text[i]);
    return utf8;
}

// Breaks one paragraph (no "\n" in it) into lines no wider than width where it can.
void BreakParagraph(const std::u32string& text, datafiles::GlyphSize size, float width, std::vector<std::string>& lines)
{
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.size(), resume = text.size(), lastBreak = start, lastResume = start;
        for (std::size_t i = start + 1; i <= text.size(); ++i) {
            const bool blank = i < text.size() && text[i] == U' ';
            const bool breakHere = i == text.size() || blank || BreaksBetween(text, i);
            if (!breakHere)
                continue;
            if (Lettering::Width(Utf8(text, start, i), size) > width && lastBreak > start) {
                end = lastBreak;
                resume = lastResume;
                break;
            }
            lastBreak = i;
            lastResume = blank ? i + 1 : i;
        }
        lines.push_back(Utf8(text, start, end));
        if (end == text.size())
            return;
        start = resume;
    }
}

} // namespace

std::vector<std::string> BreakLines(const std::string& text, datafiles::GlyphSize size, float width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        BreakParagraph(kolm::DecodeUtf8(text.substr(start, end == std::string::npos ? end : end - start)), size,
                       width, lines);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}
