#include "utils/translation/spelling.h"

namespace translation {

namespace {

const char32_t kTimes = U'\u00D7';

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The nearest character before (step -1) or after (step 1) position i that is not a blank.
char32_t NeighbourOf(const std::u32string& text, std::size_t i, int step)
{
    for (long at = static_cast<long>(i) + step; at >= 0 && at < static_cast<long>(text.size()); at += step) {
        if (text[static_cast<std::size_t>(at)] != U' ')
            return text[static_cast<std::size_t>(at)];
    }
    return U' ';
}

// Latin Extended-A pairs its capitals and small letters in turn: the capital on the even code
// point in most runs, on the odd one in the two runs that start one later.
bool SmallLetterOfExtendedA(char32_t c)
{
    const bool oddRun = (c >= U'\u0139' && c <= U'\u0148') || (c >= U'\u0179' && c <= U'\u017E');
    return oddRun ? c % 2 == 0 : c % 2 == 1;
}

char32_t Capital(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    if (c >= U'\u00E0' && c <= U'\u00FE' && c != U'\u00F7')
        return c - 0x20;
    if (c == U'\u00FF')
        return U'\u0178';
    const bool extendedA = c >= U'\u0100' && c <= U'\u017E' && c != U'\u0130' && c != U'\u0131' && c != U'\u0138' && c != U'\u0149' && c != U'\u0178';
    if (extendedA && SmallLetterOfExtendedA(c))
        return c - 1;
    return c;
}

} // namespace

std::u32string LetteringSpelling(const std::u32string& text)
{
    std::u32string spelled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'x' && IsDigit(NeighbourOf(text, i, -1)) && IsDigit(NeighbourOf(text, i, 1)))
            spelled += kTimes;
        else if (c == U'\u00DF')
            spelled += U"SS";
        else
            spelled += Capital(c);
    }
    return spelled;
}

} // namespace translation
